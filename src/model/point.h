#pragma once

#include "model/base.h"

/** A control point of a curve, panel or brush stroke, in the shape's own coordinates. */
class PPoint : public PBase
{
public:
    static constexpr uint32_t gap = 0x4;

    PPoint() = default;
    PPoint(float px, float py) : x(px), y(py) {}

    uint16_t classId() const override { return PClass::point; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;

    float x = 0, y = 0;
    /** Percent of the layer's pen width. */
    uint16_t thickness = 50;
    /** 0 smooth, 100 corner. */
    uint16_t sharpness = 0;
    /** Picks a pattern element for the brush generators; only in files of version 1 and later. */
    uint16_t variant = 0;
};
