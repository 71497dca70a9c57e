#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/card.h"
#include "support/testshapes.h"

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
