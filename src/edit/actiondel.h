#pragma once

#include "edit/actionnew.h"

/** An item deleted from its list, the reverse of PActionNew; the action keeps it until the
    history forgets the deletion. */
class PActionDel : public PActionNew
{
public:
    PActionDel(PWorld& session, PArray& items, PBase* item) : PActionNew(session, items, item) {}

    void name(PName& out) const override { nameFrom("Action.Del", out); }
};
