#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "draw/view2.h"
#include "model/shade.h"
#include "support/samplecomic.h"
#include "support/testfiles.h"

namespace
{
using Coordinates = std::vector<std::pair<float, float>>;
using sample::brushOfKind;

Coordinates strokePoints(const PBrush& brush)
{
    Coordinates out;
    for (PBase* stroke : brush.strokes)
        for (PBase* p : static_cast<PCurve*>(stroke)->points)
            out.emplace_back(static_cast<PPoint*>(p)->x, static_cast<PPoint*>(p)->y);
    return out;
}

/** A brush record of a format version, with no points, strokes or pattern, and `tail` after
    the kind; reading it leaves the stream open for a look at what follows. */
struct Record
{
    explicit Record(int version, const std::function<void(StreamBytes&)>& tail)
    {
        StreamBytes b;
        b.i16(PClass::stream).i16(version);
        b.object(PClass::brush).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0).i32(0).i32(0).emptyList().i16(3);
        tail(b);
        failed = readOne(in, b, brush);
    }
    PStream in;
    PBrush brush;
    bool failed;
};

/** No strokes, no pattern, then density, thickness, distribute and seed. */
void noPatternThenParameters(StreamBytes& b)
{
    b.emptyList().object(0).f32(0.25f).f32(0.75f).f32(0.5f).i16(-2);
}
} // namespace

TEST(BrushCopy, StrokesAndPatternAreDeepAndEveryParameterCopied)
{
    std::unique_ptr<PBrush> brush(brushOfKind(PBrushGenerator::area, 0));
    brush->flags |= PBrush::hangVertically;
    ASSERT_TRUE(brush->generateStrokes());
    std::unique_ptr<PBrush> copy(static_cast<PBrush*>(brush->clone()));
    EXPECT_EQ(copy->kind, brush->kind);
    EXPECT_TRUE(copy->hasFlag(PBrush::hangVertically));
    EXPECT_TRUE(copy->density == brush->density && copy->thickness == brush->thickness &&
                copy->largeness == brush->largeness && copy->distribute == brush->distribute &&
                copy->oscillate == brush->oscillate && copy->seed == brush->seed);
    ASSERT_NE(copy->pattern, nullptr);
    EXPECT_NE(copy->pattern.get(), brush->pattern.get());
    EXPECT_EQ(copy->pattern->cards.size(), 1);
    EXPECT_EQ(copy->points.size(), 3);
    EXPECT_FALSE(strokePoints(*copy).empty());
    EXPECT_EQ(strokePoints(*copy), strokePoints(*brush));
    EXPECT_NE(copy->strokeAt(0), brush->strokeAt(0));
}

TEST(BrushFile, VersionZeroRecordsHaveNoLargenessOrOscillation)
{
    Record old(0,
               [](StreamBytes& b)
               {
                   noPatternThenParameters(b);
                   b.f32(9);
               });
    EXPECT_FALSE(old.failed);
    EXPECT_EQ(old.brush.kind, 3);
    EXPECT_TRUE(old.brush.density == 0.25f && old.brush.thickness == 0.75f && old.brush.distribute == 0.5f);
    EXPECT_EQ(old.brush.seed, -2);
    EXPECT_TRUE(old.brush.largeness == 0 && old.brush.oscillate == 0);
    EXPECT_EQ(old.in.readFloat(), 9.0f); // the next record's data was left for it

    Record current(1,
                   [](StreamBytes& b)
                   {
                       noPatternThenParameters(b);
                       b.f32(0.125f).f32(NAN);
                   });
    EXPECT_FALSE(current.failed);
    EXPECT_TRUE(current.brush.largeness == 0.125f && current.brush.oscillate == 0);
}

TEST(BrushFile, StrokesOtherThanCurvesOrAPatternOtherThanAClipFailTheRead)
{
    Record pointAsStroke(1,
                         [](StreamBytes& b) {
                             b.listBegin(1).object(PClass::point).i32(0).f32(1).f32(2).i16(50).i16(0).i16(0).listEnd();
                         });
    Record shapeAsPattern(1, [](StreamBytes& b)
                          { b.emptyList().object(PClass::shape).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0); });
    for (const Record* r : {&pointAsStroke, &shapeAsPattern})
    {
        EXPECT_TRUE(r->failed);
        EXPECT_TRUE(r->brush.strokes.isEmpty() && r->brush.pattern == nullptr);
    }
}

TEST(BrushBuild, SavedStrokesAreDrawnAsLoadedAndRegeneratedOnlyAfterAChange)
{
    PView2 view;
    std::unique_ptr<PBrush> brush(brushOfKind(PBrushGenerator::area, 0));
    brush->pattern.reset(); // an area brush without a pattern generates nothing
    PCurve* saved = sample::curveThrough({{0, 5}, {10, 5}});
    brush->strokes.append(saved);
    brush->build(view);
    ASSERT_EQ(brush->strokes.size(), 1);
    EXPECT_EQ(brush->strokeAt(0), saved);
    EXPECT_FALSE(saved->centrePath.isEmpty()); // built for drawing and hit tests

    brush->invalidate();
    EXPECT_TRUE(brush->strokes.isEmpty());
    brush->build(view);
    EXPECT_TRUE(brush->strokes.isEmpty());
    EXPECT_FALSE(brush->centrePath.isEmpty()); // the guide is still there to draw

    brush->kind = PBrushGenerator::thick;
    brush->invalidate();
    brush->build(view);
    EXPECT_EQ(brush->strokes.size(), 1); // the ribbon needs no pattern
}

TEST(BrushBuild, UndoingAChangeRegeneratesTheSameStrokes)
{
    PView2 view;
    std::unique_ptr<PBrush> brush(brushOfKind(PBrushGenerator::spray, 0));
    brush->pattern->cardFor(1)->shapes.append(sample::curveThrough({{0, 0}, {0, 1}}));
    brush->build(view);
    const Coordinates before = strokePoints(*brush);
    const int16_t seed = brush->seed;
    for (int16_t changed : {static_cast<int16_t>(seed + 1), seed})
    {
        brush->seed = changed;
        brush->invalidate();
        brush->build(view);
    }
    EXPECT_EQ(strokePoints(*brush), before);
}

TEST(BrushHitTest, StrokesAreHitWhereTheGuideIsNot)
{
    PView2 view;
    // A ribbon 0.75 x 0.5 x 4 + 0.1 = 1.6 to each side of a guide through (0, 0.5).
    std::unique_ptr<PBrush> brush(brushOfKind(PBrushGenerator::thick, 0));
    brush->build(view);
    EXPECT_TRUE(brush->hitTest(0, 0.5f, 1, PEditMode::none));
    EXPECT_TRUE(brush->hitTest(0, 1.5f, 1, PEditMode::none));
    EXPECT_FALSE(brush->hitTest(0, 4, 1, PEditMode::none));
}

TEST(BrushShading, StrokesAreShadedAndTheBrushsOwnColoursAreNot)
{
    PView2 view;
    std::unique_ptr<PBrush> brush(brushOfKind(PBrushGenerator::thick, 0));
    brush->setClosed(true);
    brush->fillColour = 0xFF00FF80;
    brush->build(view);
    PArray users, changed;
    brush->collectShadeUsers(users);
    ASSERT_EQ(users.size(), 1);
    auto* shade = users.get<PShade>(0);
    EXPECT_EQ(shade->members.at(0), brush->strokeAt(0));
    shade->to = 0xFF112233;
    brush->applyShade(*shade, changed);
    EXPECT_EQ(brush->strokeAt(0)->fillColour, 0xFF112233u);
    EXPECT_EQ(brush->fillColour, 0xFF00FF80u);
    EXPECT_TRUE(changed.size() == 1 && changed.at(0) == brush->strokeAt(0));
    changed.clear();
    users.deleteAll();
}
