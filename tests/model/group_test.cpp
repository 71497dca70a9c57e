#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../support/testfiles.h"
#include "../support/testshapes.h"
#include "../support/tolerance.h"
#include "draw/view2.h"
#include "model/comic.h"
#include "model/decor.h"
#include "model/group.h"

namespace
{
TestShape* addChild(PGroup& g, float x, float y, PRect own = PRect::of(0, 0, 2, 2))
{
    auto* child = new TestShape(false, own);
    child->x = x, child->y = y;
    g.children.append(child);
    return child;
}

/** Where the origin of a child's own coordinates lies in the group's parent. */
testing::AssertionResult childOriginAt(const PGroup& g, const PShape& child, float x, float y)
{
    float px = child.x, py = child.y;
    g.transform().transform(px, py);
    return isNearPoint(px, py, x, y);
}
} // namespace

TEST(GroupOrigin, MovingTheOriginKeepsTheContentInPlace)
{
    PGroup g;
    g.x = 1, g.y = 2, g.rotation = 1.5707964f, g.scaleX = 2;
    auto* a = addChild(g, 1, 3);
    // (1, 3) scaled to (2, 3), turned to (-3, 2), moved to (-2, 4).
    EXPECT_TRUE(childOriginAt(g, *a, -2, 4));
    g.setOrigin(5, -5);
    EXPECT_TRUE(g.x == 5 && g.y == -5);
    EXPECT_TRUE(childOriginAt(g, *a, -2, 4));

    PGroup c;
    c.x = 10, c.scaleX = c.scaleY = 2;
    auto* left = addChild(c, 0, 0);
    auto* right = addChild(c, 4, 0); // content spans (0, 0) to (6, 2): centre (3, 1)
    c.centreOrigin();
    EXPECT_TRUE(isNear(left->x, -3) && isNear(left->y, -1) && isNear(right->x, 1));
    EXPECT_TRUE(isNear(c.x, 16) && isNear(c.y, 2)); // (3, 1) through the old transform
    EXPECT_TRUE(childOriginAt(c, *left, 10, 0));
}

TEST(GroupOrigin, DeformedGroupKeepsItsOrigin)
{
    PGroup g;
    for (int i = 0; i < PGroup::gridPoints; ++i)
        g.gridFrom[static_cast<size_t>(i)] =
            g.gridTo[static_cast<size_t>(i)] = {static_cast<float>(i), static_cast<float>(-i)};
    EXPECT_FALSE(g.isDeformed());
    g.gridTo[4].y += 0.5f;
    EXPECT_TRUE(g.isDeformed());
    auto* a = addChild(g, 4, 4);
    g.centreOrigin();
    EXPECT_TRUE(g.x == 0 && a->x == 4);
}

TEST(GroupFlip, TwiceRestoresEveryPosition)
{
    PGroup g;
    g.x = 2, g.y = -1;
    auto* a = addChild(g, 3, 1);
    auto* inner = new PGroup();
    inner->x = -4, inner->y = 5;
    auto* deep = addChild(*inner, 7, 8);
    g.children.append(inner);

    g.flip(true);
    EXPECT_TRUE(g.x == -2 && a->x == -3 && a->y == 1 && inner->x == 4 && deep->x == -7);
    g.flip(true);
    g.flip(false);
    g.flip(false);
    EXPECT_TRUE(g.x == 2 && g.y == -1 && a->x == 3 && a->y == 1);
    EXPECT_TRUE(inner->x == -4 && inner->y == 5 && deep->x == 7 && deep->y == 8);
}

TEST(GroupBounds, BuildUnitesTheChildrenAndAnEmptyGroupIsZero)
{
    PView2 view;
    PGroup empty;
    empty.bounds = PRect::of(1, 2, 3, 4);
    empty.build(view);
    const auto& e = empty.bounds;
    EXPECT_TRUE(e.left == 0 && e.top == 0 && e.right == 0 && e.bottom == 0);

    PGroup g;
    g.x = 1, g.scaleY = 2;
    addChild(g, 0, 0, PRect::of(0, 0, 1, 1));
    addChild(g, 2, -1, PRect::of(2, 3, 4, 5)); // built bounds are set by hand
    g.build(view);
    EXPECT_TRUE(g.bounds.left == 0 && g.bounds.top == 0 && g.bounds.right == 4 && g.bounds.bottom == 5);
    EXPECT_EQ(view.depth, 0);

    // Raw bounds are in the group's coordinates: the second child covers (4, 2) to (6, 4).
    PRect r;
    g.getBounds(r, true);
    EXPECT_TRUE(r.left == 0 && r.top == 0 && r.right == 6 && r.bottom == 4);
    g.getBounds(r, false);
    EXPECT_TRUE(isNear(r.left, 1) && isNear(r.top, 0) && isNear(r.right, 7) && isNear(r.bottom, 8));
}

TEST(GroupFile, NonFiniteDeformValuesFromAFileAreReplaced)
{
    // The deform stage divides by grid distances: NaN there would spread over the page.
    PComic comic;
    comic.decor.append(new PDecor());
    PGroup& g = comic.decor.get<PDecor>(0)->contentForEdit();
    g.deformA = std::numeric_limits<float>::quiet_NaN();
    g.deformB = std::numeric_limits<float>::infinity();
    g.gridFrom[3].y = g.gridTo[8].x = std::numeric_limits<float>::quiet_NaN();
    PComic loaded;
    ASSERT_EQ(reload(comic, loaded), PLoadResult::ok);
    const auto* r = loaded.decor.get<PDecor>(0)->content.get();
    EXPECT_TRUE(std::isfinite(r->deformA) && std::isfinite(r->deformB));
    for (int i = 0; i < PGroup::gridPoints; ++i)
        EXPECT_TRUE(std::isfinite(r->gridFrom[static_cast<size_t>(i)].y) &&
                    std::isfinite(r->gridTo[static_cast<size_t>(i)].x))
            << i;
}
