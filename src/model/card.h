#pragma once

#include "model/array.h"
#include "model/base.h"

class PShape;

/** One variant of a clip's artwork: shapes bottom first, found by their card number. */
class PCard : public PBase
{
public:
    /** Factors at or below this, and factors that are not finite, leave the artwork as it is. */
    static constexpr float minScaleFactor = 1.2e-07f;

    PCard() = default;
    explicit PCard(uint16_t number) : cardNo(number) {}
    ~PCard() override;

    uint16_t classId() const override { return PClass::card; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void setFlag(uint32_t mask, bool on) override;
    void clearMark() override;
    void invalidate() override;
    void collectInside(const PRect& area, PArray& out) override;
    void collectHits(float x, float y, float scale, PEditMode mode, PArray& out) override;

    /** Gathers the fill colours of every shape, to recolour the clip. */
    void collectShades(PArray& shades);
    /** Multiplies every shape's position and scales by f. */
    void scaleBy(float f);
    PShape* shapeAt(int i) const;

    uint16_t cardNo = 0;
    PArray shapes;
};

/** True when a scaling factor may be applied to artwork: finite and above PCard::minScaleFactor. */
bool isUsableScaleFactor(float f);
