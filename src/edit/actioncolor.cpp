#include "edit/actioncolor.h"

#include "model/curve.h"
#include "model/text.h"

PActionColor::PActionColor(PWorld& w, PBase* t, uint32_t newC, uint32_t oldC, bool f)
    : PAction(w), target(t), newColour(newC), oldColour(oldC), fill(f)
{
}

void PActionColor::paint(uint32_t colour)
{
    switch (target != nullptr ? target->classId() : PClass::base)
    {
    case PClass::panel:
    case PClass::curve:
    case PClass::brush:
    {
        auto* curve = static_cast<PCurve*>(target);
        (fill ? curve->fillColour : curve->lineColour) = colour;
        break;
    }
    case PClass::text: static_cast<PText*>(target)->colour = colour; break;
    default: return;
    }
    // A brush lays its strokes in its own colours: they must be generated again.
    target->invalidate();
    notify(PNotify::attribute);
}
