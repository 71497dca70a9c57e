#pragma once

#include <cstdint>

/** What a press on the canvas hit. The thickness, sharpness and deform kinds are runs of
    consecutive codes, one per button or handle; `hitAfter` and `hitOffset` step through them. */
enum class PHitKind : uint16_t
{
    nothing = 0,
    shape = 1,
    /** The switch that shows or hides the point overlay's rows of value buttons. */
    showRows = 2,
    hideRows = 3,
    point = 4,
    /** A segment between two points, where a press inserts one. */
    segment = 5,
    removeControl = 6,
    /** Five thickness buttons (0, 25, 50, 75, 100), then five sharpness buttons. */
    firstThickness = 7,
    firstSharpness = 12,
    lastSharpness = 16,
    body = 17,
    rotate = 18,
    scaleX = 19,
    scaleY = 20,
    scaleBoth = 22,
    /** Nine deform handles. */
    firstDeform = 23,
    lastDeform = 31
};

/** The kind `steps` codes after first, within one run. */
constexpr PHitKind hitAfter(PHitKind first, int steps)
{
    return static_cast<PHitKind>(static_cast<int>(first) + steps);
}

/** How many codes kind lies after first. */
constexpr int hitOffset(PHitKind kind, PHitKind first)
{
    return static_cast<int>(kind) - static_cast<int>(first);
}

constexpr bool hitWithin(PHitKind kind, PHitKind first, PHitKind last)
{
    return kind >= first && kind <= last;
}
