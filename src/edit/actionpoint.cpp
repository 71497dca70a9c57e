#include "edit/actionpoint.h"

#include "model/point.h"

PPointValues PPointValues::of(const PPoint& p)
{
    return {p.x, p.y, p.thickness, p.sharpness};
}

void PPointValues::applyTo(PPoint& p) const
{
    p.x = x;
    p.y = y;
    p.thickness = thickness;
    p.sharpness = sharpness;
}

PActionPoint::PActionPoint(PWorld& w, PBase* p, const Values& b, const Values& a, PBase* o)
    : PValueAction(w, p != nullptr && p->classId() == PClass::point ? static_cast<PPoint*>(p) : nullptr, b, a),
      owner(o != nullptr ? o : pointOwner())
{
}

void PActionPoint::settle()
{
    if (target == nullptr)
        return;
    if (owner != nullptr)
        owner->invalidate();
    notify(PNotify::geometry);
}
