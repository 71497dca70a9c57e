#pragma once

#include "edit/action.h"

class PShape;

/** A shape moved, turned or scaled. Up to two related objects (the enclosing group, the panel
    being edited) have their geometry dropped with it, since their bounds follow the shape. */
class PActionShape : public PAction
{
public:
    /** The placement values of a shape in its parent's coordinates. */
    struct Placement
    {
        float x = 0, y = 0, scaleX = 1, scaleY = 1, rotation = 0;

        static Placement of(const PShape& shape);
        void applyTo(PShape& shape) const;
        bool operator==(const Placement&) const = default;
    };

    PActionShape(PWorld& world, PShape* shape, const Placement& before, const Placement& after,
                 PBase* related1 = nullptr, PBase* related2 = nullptr);

    void name(PName& out) const override { nameFrom("Action.Shape", out); }
    bool changes(const PBase* object) const override;

    PShape* shape = nullptr;
    PBase* related[2]{};
    Placement before, after;

protected:
    void apply(bool redo) override;
    void revert() override;
    void settle() override;

private:
    void place(const Placement& placement);
};
