#pragma once

#include "model/shape.h"

/** A shape whose hit test and bounds are set by hand, so that the containers' walking
    order can be checked without any real geometry. */
class TestShape : public PShape
{
public:
    TestShape() = default;
    TestShape(bool hits, PRect ownBounds) : hit(hits), own(ownBounds) { bounds = ownBounds; }

    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override
    {
        PShape::copyFrom(other);
        if (auto* t = dynamic_cast<const TestShape*>(other))
            hit = t->hit, own = t->own;
    }
    bool hitTest(float, float, float, PEditMode) override { return hit; }
    void getBounds(PRect& out, bool raw) const override { out = raw ? own : own.transformBounds(transform()); }

    bool hit = false;
    /** Bounds in the shape's own coordinates. */
    PRect own = PRect::of(0, 0, 0, 0);
};
