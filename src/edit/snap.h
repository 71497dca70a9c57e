#pragma once

#include <cstdint>

/** What the snap switch does to a dragged position, angle or scale, and the steps of the zoom.
    Pure functions of their inputs, so that the canvas and its tests agree on every figure.

        const float step = PSnap::gridStep(options.gridDivisions, options.useInch);
        x = PSnap::position(x, step);
*/
class PSnap
{
public:
    /** The smallest zoom the wheel reaches. */
    static constexpr float smallestZoom = 2.4e-7f;
    static constexpr float zoomStep = 1.5f;
    /** Scales snap to tenths and never below one tenth. */
    static constexpr float scaleStep = 0.1f;

    /** The grid step in centimetres of a grid code 1 to 9 (inches when useInch); 0 for any other code. */
    static float gridStep(int code, bool useInch);
    /** The angle step in radians of an angle code 1 to 5; 0 for any other code. */
    static double angleStep(int code);

    /** v rounded to the nearest multiple of step, halves away from zero; v itself for a step of 0. */
    static float position(float v, float step);
    /** An angle (radians) rounded to the nearest multiple of step, then brought below one full turn. */
    static float angle(float radians, double step);
    /** A scale rounded to tenths, halves away from zero, and at least one tenth. */
    static float scale(float s);
    /** The zoom after one wheel step in or out; never below smallestZoom. */
    static float zoomed(float zoom, bool in);
};
