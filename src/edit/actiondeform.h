#pragma once

#include "edit/valueaction.h"
#include "model/group.h"

/** The source and target grids of a deformed group. */
struct PDeformGrids
{
    std::array<PGroup::GridPoint, PGroup::gridPoints> from{}, to{};

    static PDeformGrids of(const PGroup& group);
    void applyTo(PGroup& group) const;
};

/** The deformation grids of a group changed by dragging its handles. */
class PActionDeform : public PValueAction<PGroup, PDeformGrids>
{
public:
    using Grids = PDeformGrids;

    /** Anything but a group is left alone. */
    PActionDeform(PWorld& world, PBase* group, const Grids& before, const Grids& after);

    void name(PName& out) const override { nameFrom("Action.Deform", out); }

protected:
    void settle() override;
};
