#include <gtest/gtest.h>

#include "draw/view2.h"
#include "model/group.h"
#include "model/text.h"
#include "support/tolerance.h"

namespace
{
constexpr double halfBlockHeight = 0.3527777642; // two lines of 10 points, halved, in centimetres
constexpr float quarterTurn = 1.5707964f;

/** The font a new text measures with, made independently of the text. */
juce::Font defaultFont()
{
    return {"Comic Sans MS", 10.0f, 0};
}

std::unique_ptr<PText> twoLines()
{
    auto t = std::make_unique<PText>();
    t->text.assign("AB\nC");
    return t;
}

void build(PShape& shape)
{
    PView2 view;
    shape.build(view);
}
} // namespace

TEST(TextLayout, BlockIsAsHighAsItsLinesAndAsWideAsTheWidestLine)
{
    const auto l = twoLines()->layout();
    ASSERT_EQ(l.lineCount(), 2);
    EXPECT_TRUE(isNear(l.blockHeight, 20));
    EXPECT_GT(defaultFont().getStringWidthFloat("AB"), defaultFont().getStringWidthFloat("C"));
    EXPECT_TRUE(isNear(l.blockWidth, defaultFont().getStringWidthFloat("AB")));
    EXPECT_TRUE(isNear(l.baseline(0), 10 - defaultFont().getAscent()));
    EXPECT_TRUE(isNear(l.baseline(1), -defaultFont().getAscent()));

    PText trailing;
    trailing.text.assign("A\n");
    EXPECT_EQ(trailing.layout().lineCount(), 2);
}

TEST(TextLayout, AlignmentPlacesEachLineAgainstTheBlock)
{
    const float wide = defaultFont().getStringWidthFloat("AB"), narrow = defaultFont().getStringWidthFloat("C");
    const struct
    {
        uint16_t align;
        float firstLeft, secondLeft;
    } cases[] = {
        {PText::alignLeft, -wide / 2, -wide / 2},
        {PText::alignCentre, -wide / 2, -narrow / 2},
        {PText::alignRight, -wide / 2, wide / 2 - narrow}, // both lines end at the right edge
        {7, 0, 0},
    };
    const auto l = twoLines()->layout();
    for (const auto& c : cases)
    {
        EXPECT_TRUE(isNear(l.lineLeft(0, c.align), c.firstLeft)) << "align " << c.align;
        EXPECT_TRUE(isNear(l.lineLeft(1, c.align), c.secondLeft)) << "align " << c.align;
    }
}

TEST(TextBounds, BlockInCentimetresMappedByTheShapeTransform)
{
    auto t = twoLines();
    const double halfWidth = defaultFont().getStringWidthFloat("AB") * PText::pointsToCentimetres / 2;
    PRect r;
    t->getBounds(r, true);
    EXPECT_TRUE(isNear(r.left, -halfWidth) && isNear(r.right, halfWidth));
    EXPECT_TRUE(isNear(r.top, -halfBlockHeight) && isNear(r.bottom, halfBlockHeight));

    t->x = 1, t->y = 2, t->scaleX = 2, t->scaleY = 3;
    t->getBounds(r, false);
    EXPECT_TRUE(isNear(r.left, 1 - 2 * halfWidth) && isNear(r.bottom, 2 + 3 * halfBlockHeight));
    t->scaleX = t->scaleY = 1, t->rotation = quarterTurn;
    t->getBounds(r, false);
    EXPECT_TRUE(isNear(r.left, 1 - halfBlockHeight) && isNear(r.top, 2 - halfWidth));
}

TEST(TextHit, OnlyTheBuiltBoxIsHitNotTheCornersOfItsBounds)
{
    PText t;
    t.text.assign("A long line");
    t.x = 3, t.rotation = quarterTurn / 2;
    EXPECT_FALSE(t.hitTest(3, 0, 1, PEditMode::none)); // nothing is hit before it is built
    build(t);
    const PRect b = t.bounds;
    EXPECT_TRUE(t.hitTest(3, 0, 1, PEditMode::none));
    EXPECT_FALSE(t.hitTest(b.left + b.width() / 50, b.top + b.height() / 50, 1, PEditMode::none));
    EXPECT_FALSE(t.hitTest(b.right + 0.01f, 0, 1, PEditMode::none));
    t.invalidate();
    EXPECT_FALSE(t.hitTest(3, 0, 1, PEditMode::none));
}

TEST(TextBounds, TextInAMovedGroupIsBuiltAtBothOffsets)
{
    PGroup group;
    group.x = 10;
    auto* t = twoLines().release();
    t->x = 2;
    t->y = 1;
    group.children.append(t);
    PRect raw;
    t->getBounds(raw, true);
    PView2 view;
    group.build(view);
    EXPECT_TRUE(isNear((t->bounds.left + t->bounds.right) / 2, 12.0f));
    EXPECT_TRUE(isNear((t->bounds.top + t->bounds.bottom) / 2, 1.0f));
    EXPECT_TRUE(isNear(t->bounds.right - t->bounds.left, raw.right - raw.left));
}
