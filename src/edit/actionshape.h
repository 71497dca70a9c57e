#pragma once

#include "edit/valueaction.h"

class PShape;

/** The placement values of a shape in its parent's coordinates. */
struct PPlacement
{
    float x = 0, y = 0, scaleX = 1, scaleY = 1, rotation = 0;

    static PPlacement of(const PShape& shape);
    void applyTo(PShape& shape) const;
    bool operator==(const PPlacement&) const = default;
};

/** A shape moved, turned or scaled. Up to two related objects (the enclosing group, the panel
    being edited) have their geometry dropped with it, since their bounds follow the shape. */
class PActionShape : public PValueAction<PShape, PPlacement>
{
public:
    using Placement = PPlacement;

    PActionShape(PWorld& world, PShape* shape, const Placement& before, const Placement& after,
                 PBase* related1 = nullptr, PBase* related2 = nullptr);

    void name(PName& out) const override { nameFrom("Action.Shape", out); }
    bool changes(const PBase* object) const override;

    PBase* related[2]{};

protected:
    void settle() override;
};
