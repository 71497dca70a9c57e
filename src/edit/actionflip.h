#pragma once

#include "edit/action.h"

class PShape;

/** A shape mirrored about its vertical axis, its horizontal axis or both (the diagonal flip, a
    half turn about its origin). Flipping again is the undo. */
class PActionFlip : public PAction
{
public:
    static constexpr uint16_t horizontal = 1, vertical = 2, diagonal = horizontal | vertical;

    PActionFlip(PWorld& world, PShape* shape, uint16_t axis);

    void name(PName& out) const override { nameFrom("Action.Flip", out); }

    PShape* shape = nullptr;
    uint16_t axis = horizontal;

protected:
    void apply(bool) override { flip(); }
    void revert() override { flip(); }

private:
    void flip();
};
