#include <gtest/gtest.h>

#include "../support/tolerance.h"
#include "model/geometry.h"

namespace
{
constexpr float quarterTurn = 1.5707964f;

testing::AssertionResult isRect(const PRect& r, float l, float t, float rt, float b)
{
    if (isNear(r.left, l) && isNear(r.top, t) && isNear(r.right, rt) && isNear(r.bottom, b))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
}
} // namespace

TEST(GeometryRect, HelpersByHand)
{
    const auto r = PRect::of(0, 0, 2, 1);
    EXPECT_TRUE(r.contains(0, 0) && r.contains(2, 1)); // edges count
    EXPECT_FALSE(r.contains(2.001f, 0.5f));
    EXPECT_FALSE(r.containsRect(PRect::of(0.5f, 0.5f, 2.5f, 0.8f)));

    auto grown = PRect::empty();
    grown.include(3, -1);
    grown.include(PRect::empty());
    grown.include(-2, 4);
    EXPECT_TRUE(isRect(grown, -2, -1, 3, 4));

    auto scaled = PRect::of(0, 0, 2, 4);
    scaled.scaleAboutCentre(2);
    EXPECT_TRUE(isRect(scaled, -1, -2, 3, 6));
    auto inverted = PRect::of(5, 0, 1, 4);
    inverted.scaleAboutCentre(3);
    EXPECT_TRUE(isRect(inverted, 5, 0, 1, 4));

    // A quarter turn maps (x, y) to (-y, x): the 2 x 1 box stands up left of the y axis.
    EXPECT_TRUE(isRect(r.transformBounds(PMatrix::rotation(quarterTurn)), -1, 0, 0, 2));
}

TEST(GeometryMatrix, ProductAppliesTheRightFactorFirst)
{
    float x = 1, y = 1;
    (PMatrix::translation(1, 2) * PMatrix::scale(2, 3)).transform(x, y);
    EXPECT_TRUE(isNear(x, 3) && isNear(y, 5));
    x = 1, y = 0;
    (PMatrix::scale(2, 3) * PMatrix::translation(1, 2)).transform(x, y);
    EXPECT_TRUE(isNear(x, 4) && isNear(y, 6));
}

// Any chain of moves, turns and non-zero scales maps a point away and back onto itself, and the
// product maps as its factors do one after the other.
TEST(GeometryMatrix, ARandomTransformFollowedByItsInverseGivesThePointBack)
{
    Seeded random(20261207);
    for (int i = 0; i < 500; ++i)
    {
        auto sign = [&random] { return random.below(2) == 0 ? -1.0 : 1.0; };
        PMatrix m;
        for (int factors = 1 + random.below(4); factors > 0; --factors)
        {
            const float a = static_cast<float>(random.between(-20, 20)),
                        b = static_cast<float>(random.between(-20, 20));
            switch (random.below(3))
            {
            case 0: m = PMatrix::translation(a, b) * m; break;
            case 1: m = PMatrix::rotation(a) * m; break;
            default:
                m = PMatrix::scale(static_cast<float>(sign() * random.between(0.25, 4)),
                                   static_cast<float>(sign() * random.between(0.25, 4))) *
                    m;
            }
        }
        const float px = static_cast<float>(random.between(-10, 10)), py = static_cast<float>(random.between(-10, 10));
        float x = px, y = py;
        m.transform(x, y);
        ASSERT_TRUE(m.transformBack(x, y)) << "case " << i;
        EXPECT_TRUE(isNearPoint(x, y, px, py)) << "case " << i;
    }
    float x = 1, y = 2;
    EXPECT_FALSE(PMatrix::scale(0, 3).transformBack(x, y));
    EXPECT_TRUE(x == 1 && y == 2);
}

TEST(GeometryRound, HalvesGoAwayFromZero)
{
    const std::pair<double, int> rows[] = {{2.5, 3}, {-2.5, -3}, {1.4, 1}, {-1.6, -2}, {-0.4, 0}};
    for (auto [v, expected] : rows)
        EXPECT_EQ(roundHalfAway(v), expected) << v;
}

TEST(GeometryColour, ConversionsByHand)
{
    // With lightness 128 and full saturation, q = 1 and p = 2 * 128 / 255 - 1 = 1 / 255:
    // the weak channels of pure red and blue come out as 1, not 0.
    const std::pair<uint32_t, uint32_t> toArgb[] = {
        {0xFF00FF80, 0xFFFF0101}, {0xFFAAFF80, 0xFF0101FF}, {0x40000080, 0x40808080},
        {0xFF0000FF, 0xFFFFFFFF}, {0xFF00FF40, 0xFF800000}, // dark red: q = 2 * 64 / 255
    };
    for (auto [hsla, argb] : toArgb)
        EXPECT_EQ(hslaToArgb(hsla), argb) << std::hex << hsla;
    // Red's lightness is 127.5, which rounds up; blue's hue is 2/3 of 255.
    const std::pair<uint32_t, uint32_t> toHsla[] = {
        {0xFFFF0000, 0xFF00FF80}, {0xFF0000FF, 0xFFAAFF80}, {0x80808080, 0x80000080}, {0x12000000, 0x12000000}};
    for (auto [argb, hsla] : toHsla)
        EXPECT_EQ(argbToHsla(argb), hsla) << std::hex << argb;
}
