#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/card.h"
#include "model/clip.h"
#include "model/comic.h"
#include "model/shape.h"
#include "support/testfiles.h"
#include "support/testshapes.h"

namespace
{
PCard* addCard(PClip& clip, uint16_t number, int shapeCount)
{
    auto* card = new PCard(number);
    for (int i = 0; i < shapeCount; ++i)
        card->shapes.append(new PShape());
    clip.cards.append(card);
    return card;
}

/** Loads a hand-written comic file holding one clip whose card list holds what `element` writes. */
template <class Element> PLoadResult loadClipFile(Element element)
{
    auto b = StreamBytes().comicStart();
    b.emptyList().listBegin(1).object(PClass::clip).i32(0).item(u"C", 0, 0).f32(10).i16(0).listBegin(1);
    element(b);
    b.listEnd().listEnd().emptyList();
    PComic comic;
    return comic.load(zlibStream(b.block()));
}
} // namespace

TEST(ClipCards, CardForFindsTheNumberedCardOrAppendsIt)
{
    PClip clip;
    PCard* one = addCard(clip, 1, 0);
    addCard(clip, 2, 0);
    EXPECT_EQ(clip.cardFor(1), one);
    PCard* three = clip.cardFor(3);
    ASSERT_EQ(clip.cards.size(), 3);
    EXPECT_EQ(clip.cardAt(2), three);
    EXPECT_EQ(three->cardNo, 3);
    EXPECT_EQ(clip.cardFor(3), three);
    EXPECT_EQ(clip.cards.size(), 3);
}

TEST(ClipCards, TrimKeepsCardsUpToTheLastWithArtworkAndAtLeastOne)
{
    const std::pair<std::vector<int>, int> cases[] = {
        {{2, 0, 0}, 1}, {{0, 1, 0}, 2}, {{0, 0}, 1}, {{}, 0}, {{0, 0, 3}, 3},
    };
    for (const auto& [shapeCounts, kept] : cases)
    {
        PClip clip;
        for (size_t i = 0; i < shapeCounts.size(); ++i)
            addCard(clip, static_cast<uint16_t>(i + 1), shapeCounts[i]);
        clip.trimEmptyCards();
        ASSERT_EQ(clip.cards.size(), kept);
        for (int i = 0; i < kept; ++i)
            EXPECT_EQ(clip.cardAt(i)->cardNo, i + 1);
    }
}

TEST(ClipScale, ScalesTheArtworkOfEveryCard)
{
    PClip clip;
    PShape* first = addCard(clip, 1, 1)->shapeAt(0);
    PShape* second = addCard(clip, 2, 1)->shapeAt(0);
    first->x = 1, second->scaleY = 4;
    clip.scaleBy(0);
    EXPECT_TRUE(first->x == 1 && second->scaleY == 4);
    clip.scaleBy(2);
    EXPECT_TRUE(first->x == 2 && first->scaleX == 2 && second->scaleY == 8);
}

TEST(ClipFile, ForeignObjectsInItsListsMakeTheFileDamaged)
{
    // The same file with a real card loads, so the refusals below are the lists' own doing.
    EXPECT_EQ(loadClipFile([](StreamBytes& b) { b.object(PClass::card).i32(0).i16(3).emptyList(); }), PLoadResult::ok);
    EXPECT_NE(loadClipFile([](StreamBytes& b) { b.object(PClass::shape).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0); }),
              PLoadResult::ok);
    EXPECT_NE(loadClipFile([](StreamBytes& b)
                           { b.object(PClass::card).i32(0).i16(3).listBegin(1).object(PClass::page).i32(0); }),
              PLoadResult::ok);
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
