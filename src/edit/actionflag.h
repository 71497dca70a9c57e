#pragma once

#include <utility>
#include <vector>

#include "edit/action.h"

/** A flag of a curve, panel, brush, group, point or layer switched on or off ("Curve.Closed", the
    gap of a point, "Group.Clip", the brush switches, a hidden layer). A group passes the flag to its members; undo
   gives every member back the state it had. */
class PActionFlag : public PAction
{
public:
    /** owner: the curve of a point; null takes the shape of the context's chain. */
    PActionFlag(PWorld& world, PBase* target, uint32_t mask, bool newState, bool oldState, PBase* owner = nullptr);

    void name(PName& out) const override { nameFrom("Action.Flag", out); }

    PBase* target = nullptr;
    PBase* owner = nullptr;
    uint32_t mask = 0;
    bool newState = false, oldState = false;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    /** A flag that belongs to the object alone and is not passed on to what it holds. */
    bool ownFlag() const;
    void remember(PBase* object);
    void changed();

    std::vector<std::pair<PBase*, bool>> memberStates;
};
