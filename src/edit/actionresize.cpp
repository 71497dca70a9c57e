#include "edit/actionresize.h"

#include <algorithm>

#include "model/card.h"
#include "model/clip.h"
#include "model/decor.h"

PActionResize::PActionResize(PWorld& w, PBase* t, float sizeBefore, float sizeAfter)
    : PAction(w), target(t), before(sizeBefore), after(sizeAfter)
{
}

void PActionResize::name(PName& out) const
{
    if (target != nullptr)
        nameFrom("Action.Resize", out);
    else
        out.clear();
}

bool PActionResize::resizeTo(float size, float factor)
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

void PActionResize::rememberArtwork()
{
    placements.clear();
    auto keep = [this](const PArray& shapes)
    {
        for (auto* shape : shapes)
            placements.emplace_back(static_cast<PShape*>(shape), PPlacement::of(*static_cast<PShape*>(shape)));
    };
    if (target->classId() == PClass::clip)
        for (auto* card : static_cast<PClip*>(target)->cards)
            keep(static_cast<PCard*>(card)->shapes);
    if (auto* decor = dynamic_cast<PDecor*>(target); decor != nullptr && decor->content != nullptr)
    {
        keep(decor->content->children);
        grids = PDeformGrids::of(*decor->content);
    }
}

void PActionResize::restoreArtwork()
{
    for (auto& [shape, placement] : placements)
    {
        placement.applyTo(*shape);
        shape->invalidate();
    }
    if (auto* decor = dynamic_cast<PDecor*>(target); decor != nullptr && decor->content != nullptr)
        grids.applyTo(*decor->content);
}

void PActionResize::apply(bool)
{
    if (target == nullptr)
        return;
    rememberArtwork();
    if (resizeTo(after, after / std::max(before, smallestSize)))
        notify(PNotify::attribute);
}

void PActionResize::revert()
{
    // The artwork goes back to its recorded placement rather than through the inverse ratio: after
    // a resize from 0 that ratio is too small for the artwork to accept, and it would stay enlarged.
    if (!resizeTo(before, 0))
        return;
    restoreArtwork();
    notify(PNotify::attribute);
}
