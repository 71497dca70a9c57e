#pragma once

#include "edit/listaction.h"

/** An item deleted from its list; the action keeps it until the history forgets the deletion. */
class PActionDel : public PListAction
{
public:
    PActionDel(PWorld& world, PArray& list, PBase* item);

    void name(PName& out) const override { nameFrom("Action.Del", out); }

protected:
    void apply(bool redo) override;
    void revert() override;
};
