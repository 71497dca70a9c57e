#pragma once

#include <utility>
#include <vector>

#include "edit/actiondeform.h"
#include "edit/actionshape.h"

/** A float value chosen by a property code: one of the five generator parameters of a brush
    stroke (4 density, 5 thickness, 6 largeness, 7 distribution, 8 oscillation), or the size of a
    clip or decor (9), which scales its artwork by the ratio of the sizes. */
class PActionFloat : public PAction
{
public:
    static constexpr uint16_t density = 4, thickness = 5, largeness = 6, distribute = 7, oscillate = 8, resize = 9;
    /** The smallest size a ratio divides by, so that a size of 0 never divides. */
    static constexpr float smallestSize = 1.2e-7f;

    PActionFloat(PWorld& world, PBase* target, float oldValue, float newValue, uint16_t property);

    void name(PName& out) const override;

    PBase* target = nullptr;
    float oldValue = 0, newValue = 0;
    uint16_t property = 0;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    bool writeBrush(float value);
    bool resizeTo(float size, float factor);
    void rememberArtwork();
    void restoreArtwork();

    /** The artwork's placements before the last resize, which undo puts back exactly. */
    std::vector<std::pair<PShape*, PActionShape::Placement>> placements;
    PActionDeform::Grids grids;
};
