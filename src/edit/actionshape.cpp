#include "edit/actionshape.h"

#include "model/shape.h"

PActionShape::Placement PActionShape::Placement::of(const PShape& shape)
{
    return {shape.x, shape.y, shape.scaleX, shape.scaleY, shape.rotation};
}

void PActionShape::Placement::applyTo(PShape& shape) const
{
    shape.x = x;
    shape.y = y;
    shape.scaleX = scaleX;
    shape.scaleY = scaleY;
    shape.rotation = rotation;
}

PActionShape::PActionShape(PWorld& w, PShape* s, const Placement& b, const Placement& a, PBase* related1,
                           PBase* related2)
    : PAction(w), shape(isShape(s) ? s : nullptr), related{related1, related2}, before(b), after(a)
{
}

bool PActionShape::changes(const PBase* object) const
{
    return object != nullptr && (object == shape || object == related[0] || object == related[1]);
}

void PActionShape::place(const Placement& placement)
{
    if (shape == nullptr)
        return;
    placement.applyTo(*shape);
    settle();
}

void PActionShape::settle()
{
    if (shape == nullptr)
        return;
    shape->invalidate();
    for (auto* other : related)
        if (other != nullptr)
            other->invalidate();
    notify(PNotify::geometry);
}

void PActionShape::apply(bool)
{
    place(after);
}

void PActionShape::revert()
{
    place(before);
}
