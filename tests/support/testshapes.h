#pragma once

#include "model/array.h"
#include "model/project.h"
#include "model/shape.h"
#include "model/stream.h"

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
    bool hitTest(float, float, float, int) override { return hit; }
    void getBounds(PRect& out, bool raw) const override { out = raw ? own : own.transformBounds(transform()); }

    bool hit = false;
    /** Bounds in the shape's own coordinates. */
    PRect own = PRect::of(0, 0, 0, 0);
};

/** A file whose root is nothing but one list of objects: lets shapes, layers and points
    go through a real save and load before the classes that normally hold them exist. */
class ShapeBox : public PProject
{
public:
    ShapeBox() = default;
    explicit ShapeBox(const juce::String& filePath) { path = filePath; }
    ~ShapeBox() override { items.deleteAll(); }

    void write(PStream& s) const override { s.writeList(items); }
    void read(PStream& s) override { s.readList(items); }

    template <class T> T* at(int i) const { return dynamic_cast<T*>(items.at(i)); }

    PArray items;
};
