#include "edit/actionshort.h"

#include "model/brush.h"
#include "model/layer.h"
#include "model/point.h"

PActionShort::PActionShort(PWorld& w, PBase* t, uint16_t p, uint16_t newV, uint16_t oldV)
    : PAction(w), target(t), property(p), newValue(newV), oldValue(oldV)
{
}

void PActionShort::name(PName& out) const
{
    static const char* const keys[] = {"Action.Variant", "Action.Stroke", "Action.Kind", "Action.Seed"};
    if (property <= seed)
        nameFrom(keys[property], out);
    else
        out.clear();
}

void PActionShort::write(uint16_t value)
{
    const auto id = target != nullptr ? target->classId() : PClass::base;
    if (property == variant && id == PClass::point)
    {
        static_cast<PPoint*>(target)->variant = value;
        // The generators read the variants from the points: the stroke of the chain is laid again.
        if (PBase* brush = pointOwner())
            brush->invalidate();
    }
    else if (property == stroke && id == PClass::layer)
        static_cast<PLayer*>(target)->stroke = value;
    else if (property == kind && id == PClass::brush)
        static_cast<PBrush*>(target)->kind = value;
    else if (property == seed && id == PClass::brush)
        static_cast<PBrush*>(target)->seed = static_cast<int16_t>(value);
    else
        return;
    target->invalidate();
    notify(PNotify::attribute);
}
