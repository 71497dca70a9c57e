#pragma once

#include <cstdint>

/** What the canvas's gestures edit; the side panes choose it, the world keeps it and the shapes' hit
    tests are told it. */
enum class PEditMode : uint16_t
{
    none = 0,
    /** The options' wallpaper is moved and scaled. */
    wallpaper = 1,
    /** The selected panel's attachment is moved (Pages pane). */
    attachment = 2,
    /** Clicks and the band mark shapes for grouping. */
    marking = 3,
    shape = 4,
    point = 5,
    /** The decor group's deform handles move its target grid... */
    deform = 6,
    /** ...or both grids, so that the artwork moves without warping. */
    deformBoth = 7,
    /** A press, drag and release draws: a freehand line in the layers, clips and decor (a brush
        stroke in the decor), a panel's rectangle on the page. */
    draw = 8
};
