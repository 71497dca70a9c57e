#pragma once

#include "edit/listaction.h"

/** An object removed from a list, the reverse of PActionInsert: a point taken out of its curve,
    a shape out of its layer. The action keeps the object while it is out. */
class PActionRemove : public PListAction
{
public:
    PActionRemove(PWorld& world, PArray& list, PBase* owner, PBase* object);

    void name(PName& out) const override { nameFrom("Action.Remove", out); }

protected:
    void apply(bool redo) override;
    void revert() override;
};
