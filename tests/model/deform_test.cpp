#include <gtest/gtest.h>

#include <cmath>

#include "draw/view2.h"
#include "model/curve.h"
#include "model/deform.h"
#include "model/group.h"
#include "model/point.h"
#include "support/tolerance.h"

namespace
{
using Point = PDeform::Point;

/** A group whose raw bounds are (0, 0) to (6, 6): every sixth is 1. */
std::unique_ptr<PGroup> sixBySix(uint16_t mode)
{
    auto group = std::make_unique<PGroup>();
    auto* curve = new PCurve();
    curve->points.append(new PPoint(0, 0));
    curve->points.append(new PPoint(6, 6));
    group->children.append(curve);
    group->deformMode = mode;
    return group;
}

testing::AssertionResult lands(const PDeform& stage, Point from, Point expected)
{
    const Point p = stage.map(from);
    return isNearPoint(p.x, p.y, expected.x, expected.y) << " from (" << from.x << ", " << from.y << ")";
}

const Point probes[] = {{0.5, 0.5}, {3, 3}, {5.5, 1}, {1, 5.9}, {3, 0.2}, {2.9, 3.1}, {6, 6}};
} // namespace

// A handle moved nowhere moves nothing: whatever the layout, the bounds and the group's matrix,
// equal source and target grids leave every point of the group where it is.
TEST(DeformStage, TheRestGridIsTheIdentity)
{
    Seeded random(7);
    auto between = [&random](double low, double high) { return static_cast<float>(random.between(low, high)); };
    for (int i = 0; i < 200; ++i)
    {
        const float left = between(-10, 10), bottom = between(-10, 10), w = between(1, 12), h = between(1, 12);
        auto group = sixBySix(static_cast<uint16_t>(random.below(7)));
        group->childAt(0)->x = left, group->childAt(0)->y = bottom;
        group->childAt(0)->scaleX = w / 6, group->childAt(0)->scaleY = h / 6;
        if (i % 2 == 1) // a fiftieth of the bounds at most keeps every quadrilateral convex
            for (size_t k = 0; k < PGroup::gridPoints; ++k)
                group->gridFrom[k] = group->gridTo[k] = {between(-0.02, 0.02) * w, between(-0.02, 0.02) * h};
        const PMatrix toPage = PMatrix::translation(between(-5, 5), 2) * PMatrix::rotation(between(-3, 3)) *
                               PMatrix::scale(random.below(2) == 0 ? -1.5f : 0.5f, 1);
        PDeform stage;
        ASSERT_TRUE(stage.setUp(*group, toPage)) << "case " << i << ", mode " << group->deformMode;
        EXPECT_EQ(stage.mode, PDeform::stageModeOf(*group));
        for (int k = 0; k < 8; ++k)
        {
            float x = left + between(0, w), y = bottom + between(0, h);
            toPage.transform(x, y);
            EXPECT_TRUE(lands(stage, {x, y}, {x, y})) << "case " << i << ", mode " << group->deformMode;
        }
    }
}

TEST(DeformStage, SourceCornersLandExactlyOnTargetCorners)
{
    PDeform::Grid to;
    for (uint16_t mode = 2; mode <= 6; ++mode)
    {
        const PDeform::Grid from = PDeform::restPoints(PRect::of(0, 0, 6, 6), mode);
        for (size_t i = 0; i < to.size(); ++i)
            to[i] = {from[i].x + 0.3 * std::sin(static_cast<double>(i)),
                     from[i].y + 0.2 * std::cos(3.0 * static_cast<double>(i))};
        PDeform stage;
        ASSERT_TRUE(stage.setUp(mode, from, to)) << mode;
        for (int k = 0; k < stage.quadCount; ++k)
            for (size_t c = 0; c < 4; ++c)
            {
                const Point p = stage.forward[static_cast<size_t>(k)].apply(stage.source[static_cast<size_t>(k)][c]);
                EXPECT_TRUE(isNear(p.x, stage.target[static_cast<size_t>(k)][c].x) &&
                            isNear(p.y, stage.target[static_cast<size_t>(k)][c].y))
                    << "mode " << mode << " quadrilateral " << k << " corner " << c;
            }
    }
}

TEST(DeformStage, PerspectiveKeepsLinesStraightAndMeetsTheDiagonals)
{
    // Square (0, 0)-(6, 6) with corner 1 pulled out to (8, -1): the centre goes to where the target's
    // diagonals cross, y = x and the line from (8, -1) to (0, 6), that is at 48/15.
    auto group = sixBySix(2);
    group->gridTo[1] = {2, -1};
    PDeform stage;
    ASSERT_TRUE(stage.setUp(*group, PMatrix::identity()));
    EXPECT_TRUE(lands(stage, {3, 3}, {48.0 / 15, 48.0 / 15}));
    const Point a = stage.map({0, 1}), b = stage.map({3, 2}), c = stage.map({6, 3});
    const double turn = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    EXPECT_TRUE(isNear(turn, 0));
    EXPECT_FALSE(isNear(b.x, 3) && isNear(b.y, 2));
}

TEST(DeformStage, FoldedOrDegenerateTargetsSwitchTheStageOff)
{
    struct Row
    {
        const char* what;
        uint16_t mode;
        int handle;
        PGroup::GridPoint offset;
    } rows[] = {
        {"corner 1 dragged across the square", 2, 1, {-8, 4}},
        {"corner 2 dragged into the quadrilateral", 2, 2, {-4, -4}},
        {"corner 0 dropped onto corner 1", 2, 0, {6, 0}},
        {"middle handle pushed past the corner", 3, 5, {-9, 0}},
    };
    for (const auto& row : rows)
    {
        auto group = sixBySix(row.mode);
        group->gridTo[static_cast<size_t>(row.handle)] = row.offset;
        PDeform stage;
        EXPECT_FALSE(stage.setUp(*group, PMatrix::identity())) << row.what;
        EXPECT_EQ(stage.mode, PDeform::off) << row.what;
        EXPECT_TRUE(lands(stage, {2, 3}, {2, 3})) << row.what;
    }
    auto empty = std::make_unique<PGroup>();
    PDeform stage;
    EXPECT_FALSE(stage.setUp(*empty, PMatrix::identity()));
}

TEST(DeformStage, MirroredGroupStillWarps)
{
    auto group = sixBySix(2);
    group->gridTo[1] = {1, 0};
    PDeform stage;
    EXPECT_TRUE(stage.setUp(*group, PMatrix::scale(-1, 1)));
}

TEST(DeformStage, PointsChooseTheirQuadrilateral)
{
    // Bounds (0, 0)-(6, 6): mode 3 splits at the line y = 3 between handles 5 (7, 3) and 7 (-1, 3);
    // mode 4 at x = 3; the pivot of mode 5 is (3, 5), of mode 6 (3, 1).
    struct Row
    {
        uint16_t mode;
        Point p;
        int quad;
    } rows[] = {
        {3, {2, 3}, 0},   {3, {2, 2.99}, 0}, {3, {2, 3.01}, 1}, {4, {3, 1}, 0},   {4, {3.01, 1}, 1},
        {5, {3, 5}, 0},   {5, {1, 3}, 0},    {5, {5, 3}, 1},    {5, {3, 5.8}, 2}, {6, {3, 1}, 0},
        {6, {3, 0.2}, 0}, {6, {5, 3}, 1},    {6, {1, 3}, 2},
    };
    for (const auto& row : rows)
    {
        auto group = sixBySix(row.mode);
        PDeform stage;
        ASSERT_TRUE(stage.setUp(*group, PMatrix::identity()));
        EXPECT_EQ(stage.quadrilateralFor(row.p), row.quad)
            << "mode " << row.mode << " at " << row.p.x << ", " << row.p.y;
    }
}

TEST(DeformStage, PivotFollowsItsHandle)
{
    auto group = sixBySix(5);
    group->gridTo[8] = {0, 0.5f};
    PDeform stage;
    ASSERT_TRUE(stage.setUp(*group, PMatrix::identity()));
    EXPECT_TRUE(lands(stage, {3, 5}, {3, 5.5}));
}

TEST(DeformStage, PointOnTheHorizonCollapsesOntoTargetCornerZero)
{
    auto group = sixBySix(2);
    group->gridTo[1] = {6, -3};
    PDeform stage;
    ASSERT_TRUE(stage.setUp(*group, PMatrix::identity()));
    const auto& h = stage.forward[0].h;
    ASSERT_NE(h[7], 0.0);
    const Point horizon{20, -(h[6] * 20 + h[8]) / h[7]};
    const Point p = stage.map(horizon);
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    EXPECT_TRUE(lands(stage, horizon, stage.target[0][0]));
}

TEST(DeformStage, UnmapUndoesMapInEveryMode)
{
    for (uint16_t mode = 2; mode <= 6; ++mode)
    {
        auto group = sixBySix(mode);
        group->gridTo[1] = {0.8f, -0.4f};
        group->gridTo[8] = {0.3f, 0.4f};
        group->gridTo[5] = {0.5f, 0};
        PDeform stage;
        ASSERT_TRUE(stage.setUp(*group, PMatrix::identity())) << mode;
        for (const Point p : probes)
        {
            Point back;
            ASSERT_TRUE(stage.unmap(stage.map(p), back)) << "mode " << mode;
            EXPECT_TRUE(isNear(back.x, p.x) && isNear(back.y, p.y)) << "mode " << mode << " at " << p.x << ", " << p.y;
        }
    }
}

// In the arch layouts a sector's map, stretched far beyond its quadrilateral, can reach a point
// that another sector holds: unmap once answered with that far-away point.
TEST(DeformStage, UnmapInAnArchFindsThePointInsideTheGroupNotAFarAwayOne)
{
    struct Case
    {
        uint16_t mode;
        int handle;
        PGroup::GridPoint offset;
        Point probe;
    };
    for (const Case& c :
         {Case{PDeform::archBelow, 0, {0, 0.6f}, {5, 5}}, Case{PDeform::archAbove, 4, {-0.6f, 0}, {3, 3}}})
    {
        auto group = sixBySix(c.mode);
        group->gridTo[static_cast<size_t>(c.handle)] = c.offset;
        PDeform stage;
        ASSERT_TRUE(stage.setUp(*group, PMatrix::identity())) << c.mode;
        Point back;
        ASSERT_TRUE(stage.unmap(stage.map(c.probe), back)) << c.mode;
        EXPECT_TRUE(isNear(back.x, c.probe.x) && isNear(back.y, c.probe.y))
            << "mode " << c.mode << ": " << back.x << ", " << back.y;
    }
}

TEST(ViewDeform, StagesWarpPageMappingUntilTheyEnd)
{
    auto group = sixBySix(2);
    for (auto& handle : group->gridTo)
        handle.x += 2; // every handle two to the right: a plain shift
    PView2 view;
    view.beginDeform(*group);
    EXPECT_EQ(view.deformMode, 2);
    float x = 1, y = 1;
    view.mapToPage(x, y);
    EXPECT_TRUE(isNear(x, 3) && isNear(y, 1));
    EXPECT_TRUE(view.undeformPoint(x, y));
    EXPECT_TRUE(isNear(x, 1) && isNear(y, 1));
    view.endDeform();
    EXPECT_EQ(view.deformMode, PDeform::off);
    x = 1, y = 1;
    view.mapToPage(x, y);
    EXPECT_TRUE(isNear(x, 1));
}
