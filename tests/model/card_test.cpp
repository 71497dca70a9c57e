#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/card.h"
#include "model/group.h"
#include "support/testshapes.h"

TEST(CardHits, TopShapeComesFirstAndAGroupBeforeItsHitChildren)
{
    const PRect square = PRect::of(0, 0, 1, 1);
    PCard card;
    auto* bottom = new TestShape(true, square);
    auto* missed = new TestShape(false, square);
    auto* group = new PGroup();
    auto* inner1 = new TestShape(true, square);
    auto* inner2 = new TestShape(true, square);
    group->children.append(inner1);
    group->children.append(inner2);
    group->bounds = square;
    for (PShape* s : {static_cast<PShape*>(bottom), static_cast<PShape*>(missed), static_cast<PShape*>(group)})
        card.shapes.append(s);

    PArray out;
    card.collectHits(0.5f, 0.5f, 1, 0, out);
    ASSERT_EQ(out.size(), 4);
    EXPECT_TRUE(out.at(0) == group && out.at(1) == inner2 && out.at(2) == inner1 && out.at(3) == bottom);
    EXPECT_EQ(missed->slot, 1);
    out.clear();
}

TEST(CardScale, MultipliesPositionsAndScalesOnlyForAUsableFactor)
{
    PCard card;
    auto* a = new TestShape();
    a->x = 1, a->y = -2, a->scaleX = 0.5f, a->scaleY = 3, a->rotation = 0.3f;
    card.shapes.append(a);
    for (float ignored : {0.0f, -1.0f, 1e-8f, std::numeric_limits<float>::infinity(), std::nanf("")})
    {
        card.scaleBy(ignored);
        EXPECT_TRUE(a->x == 1 && a->scaleY == 3) << ignored;
    }
    card.scaleBy(2);
    EXPECT_TRUE(a->x == 2 && a->y == -4 && a->scaleX == 1 && a->scaleY == 6);
    EXPECT_EQ(a->rotation, 0.3f);
}
