#pragma once

#include "edit/actionraise.h"

/** A shape moved down its list by the overlap rule, or to the bottom; undo puts it back. */
class PActionLower : public PActionRaise
{
public:
    PActionLower(PWorld& session, PArray& shapes, PBase* lowered, bool toBottom = false)
        : PActionRaise(session, shapes, lowered, toBottom, false)
    {
    }

    void name(PName& out) const override { nameFrom("Action.Lower", out); }
};
