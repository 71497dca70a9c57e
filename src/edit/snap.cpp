#include "edit/snap.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/geometry.h"

namespace
{
constexpr std::array<float, 9> gridSteps{0.1f, 0.2f, 0.5f, 1, 2, 5, 10, 20, 50};
constexpr std::array<double, 5> angleDegrees{1, 5, 10, 30, 45};
constexpr float centimetresPerInch = 2.54f;
constexpr double twoPi = 6.283185307179586;
constexpr double degreesPerRadian = 57.29577951308232;
} // namespace

float PSnap::gridStep(int code, bool useInch)
{
    if (code < 1 || code > static_cast<int>(gridSteps.size()))
        return 0;
    const float step = gridSteps[static_cast<size_t>(code - 1)];
    return useInch ? step * centimetresPerInch : step;
}

double PSnap::angleStep(int code)
{
    if (code < 1 || code > static_cast<int>(angleDegrees.size()))
        return 0;
    return angleDegrees[static_cast<size_t>(code - 1)] / degreesPerRadian;
}

float PSnap::position(float v, float step)
{
    if (!(step > 0) || !std::isfinite(v))
        return v;
    return static_cast<float>(roundHalfAway(static_cast<double>(v) / step) * static_cast<double>(step));
}

float PSnap::angle(float radians, double step)
{
    if (!(step > 0) || !std::isfinite(radians))
        return radians;
    double snapped = roundHalfAway(radians / step) * step;
    // A huge angle would take forever to bring down turn by turn; the shape normalises it anyway.
    for (int turns = 0; snapped > twoPi && turns < 64; ++turns)
        snapped -= twoPi;
    return static_cast<float>(snapped);
}

float PSnap::scale(float s)
{
    if (!std::isfinite(s))
        return s;
    const float snapped = static_cast<float>(roundHalfAway(static_cast<double>(s) / scaleStep)) * scaleStep;
    return std::max(snapped, scaleStep);
}

float PSnap::zoomed(float zoom, bool in)
{
    return std::max(in ? zoom * zoomStep : zoom / zoomStep, smallestZoom);
}
