#include "edit/actiondeform.h"

PDeformGrids PDeformGrids::of(const PGroup& group)
{
    return {group.gridFrom, group.gridTo};
}

void PDeformGrids::applyTo(PGroup& g) const
{
    g.gridFrom = from;
    g.gridTo = to;
}

PActionDeform::PActionDeform(PWorld& w, PBase* g, const Grids& b, const Grids& a)
    : PValueAction(w, g != nullptr && g->classId() == PClass::group ? static_cast<PGroup*>(g) : nullptr, b, a)
{
}

void PActionDeform::settle()
{
    if (target == nullptr)
        return;
    target->invalidate();
    notify(PNotify::geometry);
}
