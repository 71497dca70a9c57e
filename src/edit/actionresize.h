#pragma once

#include <utility>
#include <vector>

#include "edit/actiondeform.h"
#include "edit/actionshape.h"

/** The size of a clip or decor, which scales its artwork by the ratio of the sizes. */
class PActionResize : public PAction
{
public:
    /** The smallest size a ratio divides by, so that a size of 0 never divides. */
    static constexpr float smallestSize = 1.2e-7f;

    /** Anything but a clip or decor is left alone. */
    PActionResize(PWorld& world, PBase* target, float sizeBefore, float sizeAfter);

    void name(PName& out) const override;

    PBase* target = nullptr;
    float before = 0, after = 0;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    bool resizeTo(float size, float factor);
    void rememberArtwork();
    void restoreArtwork();

    /** The artwork's placements before the last resize, which undo puts back exactly. */
    std::vector<std::pair<PShape*, PPlacement>> placements;
    PDeformGrids grids;
};
