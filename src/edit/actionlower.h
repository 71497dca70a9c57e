#pragma once

#include "edit/actionraise.h"

/** A shape moved down its list by the overlap rule, or to the bottom; undo puts it back. */
class PActionLower : public PActionRaise
{
public:
    PActionLower(PWorld& world, PArray& list, PBase* shape, bool toEnd = false)
        : PActionRaise(world, list, shape, toEnd, false)
    {
    }

    void name(PName& out) const override { nameFrom("Action.Lower", out); }
};
