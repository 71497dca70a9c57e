#pragma once

#include <memory>
#include <vector>

#include "edit/actionshape.h"
#include "model/array.h"

class PGroup;

/** The marked shapes of a list gathered into a new group on top of the list. A marked group
    gives its members instead of itself, since groups are never nested; the action keeps such an
    emptied group, and the new group while it is not in the list. */
class PActionGroup : public PAction
{
public:
    /** Takes the shapes of list that carry the selected mark now. */
    PActionGroup(PWorld& world, PArray& list);

    void name(PName& out) const override { nameFrom("Action.Group", out); }

    PArray& list;
    /** The marked shapes in list order, and where each stood. */
    PArray selected;
    std::vector<int> positions;
    /** Made on the first apply and kept for redo. */
    PGroup* group = nullptr;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    struct Member
    {
        PShape* shape;
        /** The marked group it came from, or null. */
        PGroup* from;
        PActionShape::Placement before;
    };

    void gather(PBase* shape);

    std::vector<Member> members;
    /** The new group while it is not in the list. */
    std::unique_ptr<PGroup> heldGroup;
    /** The marked groups emptied into the new one, while it stands in the list. */
    std::vector<std::unique_ptr<PGroup>> dissolved;
};
