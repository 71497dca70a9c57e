#pragma once

#include "edit/action.h"

class PPoint;

/** A control point moved, or its thickness or sharpness set; the curve derives its shape again. */
class PActionPoint : public PAction
{
public:
    struct Values
    {
        float x = 0, y = 0;
        uint16_t thickness = 50, sharpness = 0;

        static Values of(const PPoint& point);
        void applyTo(PPoint& point) const;
    };

    /** owner: the curve, panel or brush of the point; null takes the shape of the context's chain. */
    PActionPoint(PWorld& world, PBase* point, const Values& before, const Values& after, PBase* owner = nullptr);

    void name(PName& out) const override { nameFrom("Action.Point", out); }

    PPoint* point = nullptr;
    PBase* owner = nullptr;
    Values before, after;

protected:
    void apply(bool redo) override;
    void revert() override;
    void settle() override;

private:
    void place(const Values& values);
};
