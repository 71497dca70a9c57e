#include <gtest/gtest.h>

#include "model/comic.h"
#include "model/decor.h"
#include "model/group.h"
#include "support/testfiles.h"
#include "support/testshapes.h"

namespace
{
PShape* addChild(PDecor& decor, float x, float y)
{
    auto* shape = new TestShape();
    shape->x = x, shape->y = y;
    decor.contentForEdit().children.append(shape);
    return shape;
}

/** Loads a hand-written comic file holding one decor whose content is what `content` writes. */
template <class Content> std::unique_ptr<PComic> loadDecorFile(Content content)
{
    auto b = StreamBytes().comicStart();
    b.listBegin(1).object(PClass::decor).i32(0).item(u"D", 0, -1).f32(10).i16(0);
    content(b);
    b.listEnd().emptyList().emptyList();
    auto comic = std::make_unique<PComic>();
    return comic->load(zlibStream(b.block())) == PLoadResult::ok ? std::move(comic) : nullptr;
}
} // namespace

TEST(DecorScale, ScalesChildrenAndBothGridsButNotTheGroupItself)
{
    PDecor decor;
    decor.scaleBy(2); // nothing to scale before the first edit
    PShape* child = addChild(decor, 1, -3);
    PGroup& group = *decor.content;
    group.x = 5;
    group.gridFrom[0] = {1, 2};
    group.gridTo[8] = {-3, 4};
    decor.scaleBy(0);
    EXPECT_TRUE(child->x == 1 && group.gridTo[8].x == -3);

    decor.scaleBy(2);
    EXPECT_TRUE(child->x == 2 && child->y == -6 && child->scaleX == 2 && child->scaleY == 2);
    EXPECT_EQ(group.gridFrom[0], (PGroup::GridPoint{2, 4}));
    EXPECT_EQ(group.gridTo[8], (PGroup::GridPoint{-6, 8}));
    EXPECT_TRUE(group.x == 5 && group.scaleX == 1);
}

TEST(DecorMarks, FlagsGoToTheContentAndTheOwnMarkIsClearedEvenWithoutContent)
{
    PDecor empty;
    empty.flags = PFlag::current;
    empty.clearMark();
    EXPECT_FALSE(empty.hasFlag(PFlag::current));

    PDecor decor;
    PShape* child = addChild(decor, 0, 0);
    decor.setFlag(PFlag::current, true);
    EXPECT_FALSE(decor.hasFlag(PFlag::current));
    EXPECT_TRUE(child->hasFlag(PFlag::current));
    decor.clearMark();
    EXPECT_FALSE(child->hasFlag(PFlag::current));
}

TEST(DecorFile, ContentIsNothingOrAGroup)
{
    const auto none = loadDecorFile([](StreamBytes& b) { b.object(PClass::base); });
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->decor.get<PDecor>(0)->content, nullptr);

    const auto grouped = loadDecorFile(
        [](StreamBytes& b)
        {
            b.object(PClass::group).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0).emptyList().f32(0).f32(0).i16(1);
            for (int i = 0; i < 36; ++i)
                b.f32(0);
        });
    ASSERT_NE(grouped, nullptr);
    EXPECT_NE(grouped->decor.get<PDecor>(0)->content, nullptr);

    EXPECT_EQ(loadDecorFile([](StreamBytes& b) { b.object(PClass::shape).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0); }),
              nullptr);
}
