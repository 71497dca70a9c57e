#include <gtest/gtest.h>

#include "../support/testdocument.h"
#include "../support/tolerance.h"
#include "edit/actionproperty.h"
#include "edit/actionresize.h"

TEST(ActionResize, ScalesTheArtworkByTheRatioOfSizes)
{
    TestDocument d;
    PShape* shape = d.clip->cardAt(0)->shapeAt(0);
    shape->x = 1.5f;
    d.world.record(std::make_unique<PActionResize>(d.world, d.clip, 10, 15));
    EXPECT_EQ(d.clip->clipSize, 15);
    EXPECT_TRUE(isNear(shape->x, 2.25));
    EXPECT_TRUE(isNear(shape->scaleY, 1.5));
}

TEST(ActionResize, FromSizeZeroNeverDividesAndUndoesExactly)
{
    TestDocument d;
    PShape* shape = d.decor->content->childAt(0);
    shape->x = 1;
    d.decor->decorSize = 0;
    d.decor->content->gridTo[1] = {0.5f, 0};
    const auto before = d.bytes();
    d.world.record(std::make_unique<PActionResize>(d.world, d.decor, 0, 6));
    EXPECT_EQ(d.decor->decorSize, 6);
    EXPECT_TRUE(isNear(shape->x / (6 / 1.2e-7), 1, 1e-4));
    EXPECT_TRUE(std::isfinite(d.decor->content->gridTo[1].x));
    d.world.undo();
    EXPECT_EQ(d.decor->decorSize, 0);
    EXPECT_EQ(d.bytes(), before); // the inverse ratio alone would be refused and leave the artwork huge
    d.world.redo();
    EXPECT_TRUE(isNear(shape->x / (6 / 1.2e-7), 1, 1e-4));
}

TEST(ActionResize, OtherTargetsChangeNothing)
{
    TestDocument d;
    const auto before = d.bytes();
    d.world.record(std::make_unique<PActionProperty<float>>(d.world, d.curve, PProperties::density, 0, 1));
    d.world.record(std::make_unique<PActionResize>(d.world, d.brush, 0, 1));
    d.world.record(std::make_unique<PActionResize>(d.world, nullptr, 0, 1));
    EXPECT_EQ(d.bytes(), before);
    EXPECT_TRUE(d.notes.codes.empty());
    PName name;
    d.world.undoName(name);
    EXPECT_TRUE(name.isEmpty()); // nothing to resize: no step worth a name
}
