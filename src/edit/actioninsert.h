#pragma once

#include "edit/listaction.h"

/** An object inserted into a list at a position: a control point into its curve, a pasted shape
    into its layer. The curve, panel or brush that owns the list derives its geometry again. */
class PActionInsert : public PListAction
{
public:
    /** Takes ownership of object; an index outside the list appends. */
    PActionInsert(PWorld& world, PArray& list, PBase* owner, PBase* object, int index);

    void name(PName& out) const override { nameFrom("Action.Insert", out); }

protected:
    void apply(bool redo) override;
    void revert() override;
};
