#include <gtest/gtest.h>

#include <cmath>

#include "edit/snap.h"
#include "support/tolerance.h"

TEST(Snap, PositionsLandOnTheGridInCentimetresOrInches)
{
    const struct
    {
        float v;
        int code;
        bool inch;
        float snapped;
    } rows[] = {{1.3f, 4, true, 2.54f}, {1.2f, 4, true, 0},   {1.26f, 1, false, 1.3f}, {-0.25f, 3, false, -0.5f},
                {7.4f, 6, false, 5},    {7.6f, 6, false, 10}, {3.3f, 0, false, 3.3f},  {3.3f, 10, false, 3.3f}};
    for (const auto& row : rows)
        EXPECT_TRUE(isNear(PSnap::position(row.v, PSnap::gridStep(row.code, row.inch)), row.snapped))
            << row.v << " with code " << row.code;
}

TEST(Snap, AnglesLandOnTheirStepAndStayBelowOneTurn)
{
    const double thirty = PSnap::angleStep(4);
    const float snapped = PSnap::angle(0.6f, thirty); // 34.4 degrees
    EXPECT_TRUE(isNear(snapped * 180 / 3.14159265f, 30.0f)) << snapped;
    EXPECT_LE(PSnap::angle(6.5f, thirty), 6.2832f);
    EXPECT_EQ(PSnap::angle(0.6f, PSnap::angleStep(6)), 0.6f); // no such code: no snapping
}

TEST(Snap, ScalesRoundToTenthsButNeverBelowOne)
{
    EXPECT_TRUE(isNear(PSnap::scale(0.03f), 0.1f));
    EXPECT_TRUE(isNear(PSnap::scale(1.26f), 1.3f));
    EXPECT_TRUE(isNear(PSnap::scale(-2.0f), 0.1f));
}

TEST(Snap, ZoomOutStopsAtItsFloor)
{
    float zoom = 1;
    for (int i = 0; i < 100; ++i)
        zoom = PSnap::zoomed(zoom, false);
    EXPECT_EQ(zoom, PSnap::smallestZoom);
    EXPECT_TRUE(isNear(PSnap::zoomed(2, true), 3));
}
