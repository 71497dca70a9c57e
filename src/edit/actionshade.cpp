#include "edit/actionshade.h"

#include "model/curve.h"
#include "model/group.h"
#include "model/shade.h"

PActionShade::PActionShade(PWorld& w, PBase* g, const PArray& shades)
    : PAction(w), group(g != nullptr && g->classId() == PClass::group ? static_cast<PGroup*>(g) : nullptr)
{
    for (auto* element : shades)
        if (element != nullptr && element->classId() == PClass::shade)
            pairs.emplace_back(static_cast<PShade*>(element)->from, static_cast<PShade*>(element)->to);
}

void PActionShade::recolour(PGroup& g)
{
    for (auto* child : g.children)
    {
        const auto id = child->classId();
        if (id == PClass::group)
            recolour(*static_cast<PGroup*>(child));
        if (id != PClass::curve && id != PClass::panel)
            continue;
        auto* curve = static_cast<PCurve*>(child);
        if (!curve->isClosed())
            continue;
        // Only the first matching pair applies, so that replacements never chain (a to b, then b to c).
        for (const auto& [from, to] : pairs)
            if (PCurve::coloursMatch(curve->fillColour, from))
            {
                changes.push_back({curve, curve->fillColour, to});
                curve->fillColour = to;
                curve->invalidate();
                break;
            }
    }
}

void PActionShade::apply(bool)
{
    if (group == nullptr)
        return;
    changes.clear();
    recolour(*group);
    group->invalidate();
    notify(PNotify::attribute);
}

void PActionShade::revert()
{
    if (group == nullptr)
        return;
    for (auto& change : changes)
    {
        change.curve->fillColour = change.before;
        change.curve->invalidate();
    }
    group->invalidate();
    notify(PNotify::attribute);
}
