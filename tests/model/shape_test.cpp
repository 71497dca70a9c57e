#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../support/testshapes.h"
#include "../support/tolerance.h"

TEST(ShapeNormalize, RotationComesWithinAHalfTurnInAtMostFiveTurns)
{
    constexpr float turn = 6.2831855f, halfTurn = 3.1415927f;
    const std::pair<float, float> rows[] = {
        {20, 20 - 3 * turn},  // about 1.15
        {-20, 3 * turn - 20}, // about -1.15
        {40, 40 - 5 * turn},  // five turns are not enough: stays above a half turn
        {-halfTurn, halfTurn}, {halfTurn, halfTurn}, {1, 1},
    };
    for (auto [before, after] : rows)
    {
        PShape s;
        s.rotation = before;
        s.normalize();
        EXPECT_TRUE(isNear(s.rotation, after)) << before;
    }
}

TEST(ShapeNormalize, ScalesStayBetweenAHundredthAndAHundred)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    // A scale gesture that divided by a zero-length drag must not leave NaN in the document.
    const std::pair<float, float> rows[] = {{0, 0.01f}, {-3, 0.01f}, {250, 100}, {0.5f, 0.5f}, {inf, 100}, {nan, 1}};
    for (auto [before, after] : rows)
    {
        PShape s;
        s.scaleX = s.scaleY = before;
        s.normalize();
        if (std::isnan(before))
            EXPECT_TRUE(s.scaleX >= 0.01f && s.scaleX <= 100 && s.scaleY >= 0.01f && s.scaleY <= 100) << s.scaleX;
        else
            EXPECT_TRUE(s.scaleX == after && s.scaleY == after) << before;
    }
}

TEST(ShapeTransform, ScaleThenRotateThenMove)
{
    PShape s;
    s.x = 3, s.y = 4, s.scaleX = 2, s.scaleY = 5, s.rotation = 1.5707964f;
    float px = 1, py = 1; // scaled (2, 5), turned (-5, 2), moved (-2, 6)
    s.transform().transform(px, py);
    EXPECT_TRUE(isNear(px, -2) && isNear(py, 6));
    s.inverseTransform().transform(px, py);
    EXPECT_TRUE(isNear(px, 1) && isNear(py, 1));
    s.flip(true);
    s.flip(false);
    EXPECT_TRUE(s.x == -3 && s.y == -4);
    s.resetTransform();
    EXPECT_TRUE(s.transform() == PMatrix::identity());
}
