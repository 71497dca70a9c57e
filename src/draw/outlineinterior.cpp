#include "draw/outlineinterior.h"

#include <algorithm>
#include <cmath>

namespace
{
/** Rows of more than this many pixels are not filed: the outline is treated as containing nothing. */
constexpr int mostRows = 1 << 16;
constexpr float margin = 1.0f;
} // namespace

POutlineInterior::POutlineInterior(const juce::Path& outlinePath, const juce::AffineTransform& transform)
    : path(outlinePath), pageToDevice(transform)
{
    const auto bounds = path.getBoundsTransformed(pageToDevice);
    if (!std::isfinite(bounds.getY()) || !std::isfinite(bounds.getBottom()) || bounds.getHeight() > mostRows)
        return;
    top = (int) std::floor(bounds.getY());
    rows.resize((size_t) ((int) std::floor(bounds.getBottom()) - top + 1));
    for (juce::PathFlatteningIterator it(path, pageToDevice); it.next();)
        addSegment(it.x1, it.y1, it.x2, it.y2);
}

void POutlineInterior::addSegment(float x1, float y1, float x2, float y2)
{
    if (y1 > y2)
    {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const float slope = y2 > y1 ? (x2 - x1) / (y2 - y1) : 0.0f;
    const int first = std::max((int) std::floor(y1), top), last = std::min((int) std::floor(y2), top + (int) rows.size() - 1);
    for (int row = first; row <= last; ++row)
    {
        // The part of the segment within this row of pixels.
        const float from = std::max(y1, (float) row), to = std::min(y2, (float) row + 1);
        // A level edge covers its whole length within its row.
        const float xa = y2 > y1 ? x1 + (from - y1) * slope : x1, xb = y2 > y1 ? x1 + (to - y1) * slope : x2;
        rows[(size_t) (row - top)].push_back(juce::Range<float>(std::min(xa, xb), std::max(xa, xb)));
    }
}

bool POutlineInterior::contains(juce::Rectangle<float> area) const
{
    area = area.expanded(margin);
    if (rows.empty() || !std::isfinite(area.getX()) || !std::isfinite(area.getBottom()))
        return false;
    const int first = (int) std::floor(area.getY()), last = (int) std::floor(area.getBottom());
    if (first < top || last >= top + (int) rows.size())
        return false;
    const juce::Range<float> across(area.getX(), area.getRight());
    for (int row = first; row <= last; ++row)
        for (const auto& piece : rows[(size_t) (row - top)])
            if (piece.intersects(across) || across.contains(piece.getStart()))
                return false;
    // No edge crosses the area, so it is wholly inside or wholly outside: its centre tells which.
    auto centre = area.getCentre();
    pageToDevice.inverted().transformPoint(centre.x, centre.y);
    return path.contains(centre.x, centre.y);
}
