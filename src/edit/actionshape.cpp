#include "edit/actionshape.h"

#include "model/shape.h"

PPlacement PPlacement::of(const PShape& shape)
{
    return {shape.x, shape.y, shape.scaleX, shape.scaleY, shape.rotation};
}

void PPlacement::applyTo(PShape& shape) const
{
    shape.x = x;
    shape.y = y;
    shape.scaleX = scaleX;
    shape.scaleY = scaleY;
    shape.rotation = rotation;
}

PActionShape::PActionShape(PWorld& w, PShape* s, const Placement& b, const Placement& a, PBase* related1,
                           PBase* related2)
    : PValueAction(w, isShape(s) ? s : nullptr, b, a), related{related1, related2}
{
}

bool PActionShape::changes(const PBase* object) const
{
    return object != nullptr && (object == target || object == related[0] || object == related[1]);
}

void PActionShape::settle()
{
    if (target == nullptr)
        return;
    target->invalidate();
    for (auto* other : related)
        if (other != nullptr)
            other->invalidate();
    notify(PNotify::geometry);
}
