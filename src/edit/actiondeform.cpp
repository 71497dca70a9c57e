#include "edit/actiondeform.h"

PActionDeform::Grids PActionDeform::Grids::of(const PGroup& group)
{
    return {group.gridFrom, group.gridTo};
}

void PActionDeform::Grids::applyTo(PGroup& g) const
{
    g.gridFrom = from;
    g.gridTo = to;
}

PActionDeform::PActionDeform(PWorld& w, PBase* g, const Grids& b, const Grids& a)
    : PAction(w), group(g != nullptr && g->classId() == PClass::group ? static_cast<PGroup*>(g) : nullptr), before(b),
      after(a)
{
}

void PActionDeform::place(const Grids& grids)
{
    if (group == nullptr)
        return;
    grids.applyTo(*group);
    settle();
}

void PActionDeform::settle()
{
    if (group == nullptr)
        return;
    group->invalidate();
    notify(PNotify::geometry);
}

void PActionDeform::apply(bool)
{
    place(after);
}

void PActionDeform::revert()
{
    place(before);
}
