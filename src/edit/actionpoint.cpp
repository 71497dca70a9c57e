#include "edit/actionpoint.h"

#include "model/point.h"

PActionPoint::Values PActionPoint::Values::of(const PPoint& p)
{
    return {p.x, p.y, p.thickness, p.sharpness};
}

void PActionPoint::Values::applyTo(PPoint& p) const
{
    p.x = x;
    p.y = y;
    p.thickness = thickness;
    p.sharpness = sharpness;
}

PActionPoint::PActionPoint(PWorld& w, PBase* p, const Values& b, const Values& a, PBase* o)
    : PAction(w), point(p != nullptr && p->classId() == PClass::point ? static_cast<PPoint*>(p) : nullptr),
      owner(o != nullptr ? o : pointOwner()), before(b), after(a)
{
}

void PActionPoint::place(const Values& values)
{
    if (point == nullptr)
        return;
    values.applyTo(*point);
    settle();
}

void PActionPoint::settle()
{
    if (point == nullptr)
        return;
    if (owner != nullptr)
        owner->invalidate();
    notify(PNotify::geometry);
}

void PActionPoint::apply(bool)
{
    place(after);
}

void PActionPoint::revert()
{
    place(before);
}
