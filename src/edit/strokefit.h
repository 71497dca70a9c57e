#pragma once

#include <cstdint>
#include <vector>

#include "model/curve.h"

/** Turns the pointer samples of a freehand stroke into the few anchors of a curve that the
    curve's own handle rule carries within a tolerance of every sample, with each anchor's
    thickness taken from the pen's pressure or, without pressure, from the drawing speed.
    Pure: screen pixels in, anchors in the same pixels out; the caller maps them to the page.

        const PStrokeFit::Result result = PStrokeFit::fit(samples, {});
        if (!result.anchors.empty())
            addCurve(mapToPage(result.anchors), result.closed);
*/
class PStrokeFit
{
public:
    struct Sample
    {
        float x = 0, y = 0;
        double timeMs = 0;
        /** 0 (lightest) to 1 (firmest); below 0 when the device reports none. Once any sample of
            a stroke has pressure, pressure sets the thickness and the others borrow their
            neighbours'. */
        float pressure = -1.0f;
    };

    struct Options
    {
        /** How far in pixels the curve may pass from any sample. */
        float tolerance = 0.5f;
        /** Thin the two ends of an open stroke. */
        bool taper = true;
        /** A stroke that ends this close to its start, having gone further away and being longer
            than three times this, is closed. */
        float closeDistance = 8.0f;
        /** A stroke that never gets this far from its first sample is a click and adds nothing. */
        float minimumLength = 3.0f;
    };

    struct Result
    {
        /** In the samples' coordinates; empty when the stroke adds nothing. */
        PCurve::ControlList anchors;
        bool closed = false;
        /** How far, at most, any kept sample lies from the built curve, in pixels. A closed stroke
            keeps no samples past the point where it comes back nearest its start. */
        float largestDeviation = 0;
    };

    [[nodiscard]] static Result fit(const std::vector<Sample>& samples, const Options& options);

    /** Ink thins as the pen speeds up: 100 at 0.2 px/ms or slower, 20 at 3 px/ms or faster,
        falling with the logarithm of the speed in between. */
    static uint16_t thicknessForSpeed(double pixelsPerMs);
    /** 15 for the lightest touch to 100 for the firmest, in proportion. */
    static uint16_t thicknessForPressure(float pressure);
};
