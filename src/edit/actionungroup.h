#pragma once

#include <memory>
#include <vector>

#include "edit/actionshape.h"

class PArray;
class PGroup;

/** A group dissolved: its members take its place in its list, placed where they were drawn,
    and the action keeps the empty group until undo rebuilds it. */
class PActionUngroup : public PAction
{
public:
    PActionUngroup(PWorld& world, PArray& list, PBase* group);

    void name(PName& out) const override { nameFrom("Action.Ungroup", out); }

    /** Gives a member of parent the placement in parent's list that draws it where it was; exact
        while the parent's scale is the same along both axes. */
    static void liftOut(PShape& member, const PShape& parent);

    PArray& list;
    PGroup* group = nullptr;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    struct Member
    {
        PShape* shape;
        PActionShape::Placement before;
    };

    std::vector<Member> members;
    int position = -1;
    /** The emptied group while its members stand in the list. */
    std::unique_ptr<PGroup> heldGroup;
};
