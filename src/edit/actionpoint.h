#pragma once

#include "edit/valueaction.h"

class PPoint;

/** Where a control point stands and how thick and sharp it is. */
struct PPointValues
{
    float x = 0, y = 0;
    uint16_t thickness = 50, sharpness = 0;

    static PPointValues of(const PPoint& point);
    void applyTo(PPoint& point) const;
};

/** A control point moved, or its thickness or sharpness set; the curve derives its shape again. */
class PActionPoint : public PValueAction<PPoint, PPointValues>
{
public:
    using Values = PPointValues;

    /** owner: the curve, panel or brush of the point; null takes the shape of the context's chain. */
    PActionPoint(PWorld& world, PBase* point, const Values& before, const Values& after, PBase* owner = nullptr);

    void name(PName& out) const override { nameFrom("Action.Point", out); }

    PBase* owner = nullptr;

protected:
    void settle() override;
};
