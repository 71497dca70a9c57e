#pragma once

#include "edit/action.h"

class PArray;

/** A shape moved up its list (towards the top of the stacking order). One step passes every
    neighbour that does not overlap the shape and stops after the first that does, so that the
    picture always changes when an overlapping neighbour exists; the to-the-end variant goes all
    the way. Undo puts the shape back exactly where it stood. */
class PActionRaise : public PAction
{
public:
    PActionRaise(PWorld& world, PArray& list, PBase* shape, bool toEnd = false);

    void name(PName& out) const override { nameFrom("Action.Raise", out); }

    /** Where the overlap rule takes the shape at index from, up or down the list. */
    static int destination(const PArray& list, int from, bool upwards, bool toEnd);

    PArray& list;
    PBase* shape = nullptr;
    bool toEnd = false;

protected:
    PActionRaise(PWorld& world, PArray& list, PBase* shape, bool toEnd, bool upwards);

    void apply(bool redo) override;
    void revert() override;

private:
    bool move(int at, int destination);

    bool upwards = true;
    int from = -1, to = -1;
};
