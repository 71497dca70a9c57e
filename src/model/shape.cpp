#include "model/shape.h"

#include <algorithm>
#include <cmath>

#include "model/array.h"
#include "model/stream.h"

namespace
{
constexpr float pi = 3.1415927f;
constexpr float twoPi = 6.2831855f;
constexpr int maxTurnsRemoved = 5;
constexpr float minScale = 0.01f;
constexpr float maxScale = 100.0f;
} // namespace

float readFinite(PStream& s, float fallback)
{
    const float v = s.readFloat();
    // A NaN or infinity from a damaged file would spread through every view of the page.
    return std::isfinite(v) ? v : fallback;
}

bool isShape(const PBase* object)
{
    switch (object != nullptr ? object->classId() : PClass::base)
    {
    case PClass::shape:
    case PClass::curve:
    case PClass::panel:
    case PClass::brush:
    case PClass::group:
    case PClass::image:
    case PClass::text: return true;
    default: return false;
    }
}

void PShape::copyFrom(const PBase* other)
{
    PBase::copyFrom(other);
    auto* shape = dynamic_cast<const PShape*>(other);
    if (shape == nullptr)
        return;
    x = shape->x;
    y = shape->y;
    scaleX = shape->scaleX;
    scaleY = shape->scaleY;
    rotation = shape->rotation;
    bounds = shape->bounds;
    slot = shape->slot;
    sortKey = shape->sortKey;
}

void PShape::write(PStream& s) const
{
    PBase::write(s);
    for (float v : {x, y, scaleX, scaleY, rotation})
        s.writeFloat(v);
}

void PShape::read(PStream& s)
{
    PBase::read(s);
    x = readFinite(s, 0);
    y = readFinite(s, 0);
    scaleX = readFinite(s, 1);
    scaleY = readFinite(s, 1);
    rotation = readFinite(s, 0);
}

bool PShape::isInside(const PRect& area) const
{
    return area.containsRect(bounds);
}

void PShape::normalize()
{
    if (!std::isfinite(rotation))
        rotation = 0;
    if (rotation != 0)
    {
        for (int i = 0; i < maxTurnsRemoved && rotation <= -pi; ++i)
            rotation += twoPi;
        for (int i = 0; i < maxTurnsRemoved && rotation > pi; ++i)
            rotation -= twoPi;
    }
    scaleX = std::isnan(scaleX) ? 1.0f : std::clamp(scaleX, minScale, maxScale);
    scaleY = std::isnan(scaleY) ? 1.0f : std::clamp(scaleY, minScale, maxScale);
}

void PShape::flip(bool horizontal)
{
    if (horizontal)
        x = -x;
    else
        y = -y;
}

void PShape::resetTransform()
{
    x = y = 0;
    scaleX = scaleY = 1;
    rotation = 0;
}

PMatrix PShape::transform() const
{
    return PMatrix::translation(x, y) * PMatrix::rotation(rotation) * PMatrix::scale(scaleX, scaleY);
}

PMatrix PShape::inverseTransform() const
{
    // A shape squashed to nothing has no inverse; identity keeps callers free of NaN.
    if (scaleX == 0 || scaleY == 0 || !std::isfinite(scaleX) || !std::isfinite(scaleY))
        return PMatrix::identity();
    return PMatrix::scale(1 / scaleX, 1 / scaleY) * PMatrix::rotation(-rotation) * PMatrix::translation(-x, -y);
}

void collectShapesInside(const PArray& shapes, const PRect& area, PArray& out)
{
    for (int i = shapes.size() - 1; i >= 0; --i)
    {
        auto* shape = shapes.get<PShape>(i);
        shape->slot = i;
        if (shape->isInside(area))
            out.append(shape);
    }
}

void collectShapeHits(const PArray& shapes, float x, float y, float scale, PEditMode mode, PArray& out)
{
    for (int i = shapes.size() - 1; i >= 0; --i)
    {
        auto* shape = shapes.get<PShape>(i);
        shape->slot = i;
        if (shape->classId() == PClass::group)
            shape->collectHits(x, y, scale, mode, out);
        else if (shape->hitTest(x, y, scale, mode))
            out.append(shape);
    }
}
