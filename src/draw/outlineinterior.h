#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

/** Answers, for a closed outline on the device, whether a rectangle lies wholly inside it, so
    that what is drawn there needs no clipping to the outline. The outline is flattened once and
    its pieces filed by device row; a test looks only at the rows the rectangle covers.

        POutlineInterior inside(panelOutline, pageToDevice);
        if (inside.contains(shapeArea)) ... draw without the outline clip ...
*/
class POutlineInterior
{
public:
    POutlineInterior(const juce::Path& outline, const juce::AffineTransform& transform);

    /** True only when no edge of the outline comes within a pixel of area and area's centre is
        inside; false for anything in doubt. */
    bool contains(juce::Rectangle<float> area) const;
    const juce::Path& outline() const { return path; }
    const juce::AffineTransform& transform() const { return pageToDevice; }

private:
    void addSegment(float x1, float y1, float x2, float y2);

    const juce::Path& path;
    juce::AffineTransform pageToDevice;
    int top = 0;
    /** Per row from top: the x ranges the outline's edges cover within that row. */
    std::vector<std::vector<juce::Range<float>>> rows;
};
