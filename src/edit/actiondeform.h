#pragma once

#include "edit/action.h"
#include "model/group.h"

/** The deformation grids of a group changed by dragging its handles. */
class PActionDeform : public PAction
{
public:
    struct Grids
    {
        std::array<PGroup::GridPoint, PGroup::gridPoints> from{}, to{};

        static Grids of(const PGroup& group);
        void applyTo(PGroup& group) const;
    };

    /** Anything but a group is left alone. */
    PActionDeform(PWorld& world, PBase* group, const Grids& before, const Grids& after);

    void name(PName& out) const override { nameFrom("Action.Deform", out); }

    PGroup* group = nullptr;
    Grids before, after;

protected:
    void apply(bool redo) override;
    void revert() override;
    void settle() override;

private:
    void place(const Grids& grids);
};
