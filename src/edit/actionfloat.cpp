#include "edit/actionfloat.h"

#include <algorithm>

#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/decor.h"

PActionFloat::PActionFloat(PWorld& w, PBase* t, float oldV, float newV, uint16_t p) : PAction(w)
{
    if (t == nullptr)
        return;
    target = t;
    oldValue = oldV;
    newValue = newV;
    property = p;
}

void PActionFloat::name(PName& out) const
{
    static const char* const keys[] = {"Action.Density",    "Action.Thickness", "Action.Largeness",
                                       "Action.Distribute", "Action.Oscillate", "Action.Resize"};
    if (property >= density && property <= resize)
        nameFrom(keys[property - density], out);
    else
        out.clear();
}

bool PActionFloat::writeBrush(float value)
{
    if (target == nullptr || target->classId() != PClass::brush)
        return false;
    auto* brush = static_cast<PBrush*>(target);
    float* fields[] = {&brush->density, &brush->thickness, &brush->largeness, &brush->distribute, &brush->oscillate};
    *fields[property - density] = value;
    brush->invalidate();
    return true;
}

bool PActionFloat::resizeTo(float size, float factor)
{
    switch (target != nullptr ? target->classId() : PClass::base)
    {
    case PClass::clip:
        static_cast<PClip*>(target)->clipSize = size;
        if (factor > 0)
            static_cast<PClip*>(target)->scaleBy(factor);
        break;
    case PClass::decor:
        static_cast<PDecor*>(target)->decorSize = size;
        if (factor > 0)
            static_cast<PDecor*>(target)->scaleBy(factor);
        break;
    default: return false;
    }
    target->invalidate();
    return true;
}

void PActionFloat::rememberArtwork()
{
    placements.clear();
    auto keep = [this](const PArray& shapes)
    {
        for (auto* shape : shapes)
            placements.emplace_back(static_cast<PShape*>(shape),
                                    PActionShape::Placement::of(*static_cast<PShape*>(shape)));
    };
    if (target->classId() == PClass::clip)
        for (auto* card : static_cast<PClip*>(target)->cards)
            keep(static_cast<PCard*>(card)->shapes);
    if (auto* decor = dynamic_cast<PDecor*>(target); decor != nullptr && decor->content != nullptr)
    {
        keep(decor->content->children);
        grids = PActionDeform::Grids::of(*decor->content);
    }
}

void PActionFloat::restoreArtwork()
{
    for (auto& [shape, placement] : placements)
    {
        placement.applyTo(*shape);
        shape->invalidate();
    }
    if (auto* decor = dynamic_cast<PDecor*>(target); decor != nullptr && decor->content != nullptr)
        grids.applyTo(*decor->content);
}

void PActionFloat::apply(bool)
{
    bool changed = false;
    if (property >= density && property <= oscillate)
        changed = writeBrush(newValue);
    else if (property == resize && target != nullptr)
    {
        rememberArtwork();
        changed = resizeTo(newValue, newValue / std::max(oldValue, smallestSize));
    }
    if (changed)
        notify(PNotify::attribute);
}

void PActionFloat::revert()
{
    bool changed = false;
    if (property >= density && property <= oscillate)
        changed = writeBrush(oldValue);
    else if (property == resize && target != nullptr)
    {
        // The artwork goes back to its recorded placement rather than through the inverse ratio: after
        // a resize from 0 that ratio is too small for the artwork to accept, and it would stay enlarged.
        changed = resizeTo(oldValue, 0);
        restoreArtwork();
    }
    if (changed)
        notify(PNotify::attribute);
}
