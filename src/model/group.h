#pragma once

#include <array>

#include "model/array.h"
#include "model/shape.h"

class PCurve;
class PPanel;

/** A shape that holds shapes. It can carry a deformation (two grids of nine handles) that
    the back-ends apply through the deform stage, or hold a frame that clips its content. */
class PGroup : public PShape
{
public:
    static constexpr uint32_t deformed = 0x10;
    static constexpr uint32_t framed = 0x20;
    static constexpr int gridPoints = 9;

    struct GridPoint
    {
        float x = 0, y = 0;
        bool operator==(const GridPoint& o) const { return x == o.x && y == o.y; }
    };

    ~PGroup() override;

    uint16_t classId() const override { return PClass::group; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void setFlag(uint32_t mask, bool on) override;
    void clearMark() override;
    void invalidate() override;
    void collectHits(float px, float py, float scale, PEditMode mode, PArray& out) override;
    bool hitTest(float px, float py, float scale, PEditMode mode) override;
    void setOrigin(float px, float py) override;
    void centreOrigin() override;
    void flip(bool horizontal) override;
    void getBounds(PRect& out, bool raw) const override;
    void collectShades(PArray& shades) override;
    void applyShade(PShade& shade, PArray& changed) override;
    void collectShadeUsers(PArray& shades) override;
    void build(PViewState& view) override;

    /** True when any handle of gridTo differs from its twin in gridFrom. */
    bool isDeformed() const;
    /** The first panel among the members, if any. */
    PPanel* findPanel() const;
    /** The member that the others are drawn clipped to: with the frame flag, the first closed curve,
        panel or brush; without it, the first panel (a panel always frames what is grouped with it).
        Null when the group clips nothing. */
    PCurve* clipFrame() const;
    PShape* childAt(int i) const { return children.get<PShape>(i); }

    PArray children;
    float deformA = 0, deformB = 0;
    uint16_t deformMode = 1;
    std::array<GridPoint, gridPoints> gridFrom{}, gridTo{};
};
