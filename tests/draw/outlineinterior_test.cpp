#include <gtest/gtest.h>

#include "draw/outlineinterior.h"

namespace
{
/** A U open at the top, 100 pixels wide and high, its notch 40 wide and 60 deep. */
juce::Path letterU()
{
    juce::Path u;
    u.startNewSubPath(0, 0);
    u.lineTo(30, 0);
    u.lineTo(30, 60);
    u.lineTo(70, 60);
    u.lineTo(70, 0);
    u.lineTo(100, 0);
    u.lineTo(100, 100);
    u.lineTo(0, 100);
    u.closeSubPath();
    return u;
}
} // namespace

TEST(OutlineInterior, OnlyAreasClearOfEveryEdgeAreInside)
{
    const juce::Path u = letterU();
    const POutlineInterior inside(u, juce::AffineTransform());
    const struct
    {
        juce::Rectangle<float> area;
        bool contained;
    } rows[] = {
        {{10, 70, 80, 20}, true},    // the base of the U
        {{5, 5, 20, 50}, true},      // the left arm
        {{40, 10, 20, 20}, false},   // in the notch: outside
        {{20, 50, 20, 20}, false},   // across the notch's corner
        {{10, 70, 80, 29.5f}, false}, // within a pixel of the bottom edge
        {{-50, -50, 20, 20}, false}, // far outside
        {{-10, -10, 200, 200}, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(inside.contains(row.area), row.contained) << row.area.toString();
}

TEST(OutlineInterior, FollowsThePageToDeviceTransform)
{
    const juce::Path u = letterU();
    // Page units of a tenth, y flipped, as the screen maps centimetres.
    const POutlineInterior inside(u, juce::AffineTransform::scale(10, -10).translated(0, 1000));
    EXPECT_TRUE(inside.contains({100, 100, 800, 150})); // the base, now at the top
    EXPECT_FALSE(inside.contains({400, 500, 200, 200})); // the notch
}
