#pragma once

#include "model/array.h"
#include "model/base.h"

/** One colour replacement of a shading pass: the fill colour to look for, the colour that
    replaces it, and the curves found using it. It refers to those curves, it does not own them. */
class PShade : public PBase
{
public:
    PShade() = default;
    PShade(uint32_t fromColour, uint32_t toColour) : from(fromColour), to(toColour) {}
    ~PShade() override;

    uint16_t classId() const override { return PClass::shade; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;

    uint32_t from = 0;
    uint32_t to = 0;
    PArray members;
};
