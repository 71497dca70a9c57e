#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "draw/view2.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/point.h"
#include "model/shade.h"
#include "model/stream.h"
#include "support/testfiles.h"
#include "support/tolerance.h"

namespace
{
void addPoints(PCurve& curve, std::initializer_list<std::pair<float, float>> points)
{
    for (const auto& [x, y] : points)
        curve.points.append(new PPoint(x, y));
}

/** A pattern of size 2 with one hump two units wide. */
PClip* humpPattern()
{
    auto* clip = new PClip();
    clip->clipSize = 2;
    auto* curve = new PCurve();
    addPoints(*curve, {{0, 0}, {1, 1}, {2, 0}});
    clip->cardFor(0)->shapes.append(curve);
    return clip;
}

/** A straight brush along x from 0 to 10. */
void makeGuide(PBrush& brush, uint16_t kind)
{
    brush.kind = kind;
    addPoints(brush, {{0, 0}, {10, 0}});
}

std::vector<std::pair<float, float>> coordinatesOf(const PBrush& brush)
{
    std::vector<std::pair<float, float>> out;
    for (PBase* stroke : brush.strokes)
        for (PBase* p : static_cast<PCurve*>(stroke)->points)
            out.emplace_back(static_cast<PPoint*>(p)->x, static_cast<PPoint*>(p)->y);
    return out;
}

/** Writes one brush and reads it back into `into`; answers whether the read failed. */
bool roundTrip(const TempFolder& tmp, const PBrush& brush, PBrush& into)
{
    PStream out;
    EXPECT_TRUE(out.openForWrite(tmp.path("brush")));
    brush.write(out);
    EXPECT_TRUE(out.close());
    PStream in;
    EXPECT_EQ(in.openForRead(tmp.path("brush")), PLoadResult::ok);
    EXPECT_EQ(in.readInt16(), PStreamTag::object);
    EXPECT_EQ(in.readUInt16(), PClass::brush);
    into.read(in);
    return in.failed;
}

/** A brush record of the given format version without points, strokes or pattern, with
    `tail` appended after the seed; the stream is left open after the brush for inspection. */
struct HandMadeRecord
{
    HandMadeRecord(const TempFolder& tmp, int version, const std::function<void(StreamBytes&)>& tail)
    {
        StreamBytes b;
        b.i16(PClass::stream).i16(version);
        b.object(PClass::brush).i32(0x400).f32(0).f32(0).f32(1).f32(1).f32(0).i32(0).i32(0).emptyList();
        b.i16(3).emptyList().object(0).f32(0.25f).f32(0.75f).f32(0.5f).i16(-2);
        tail(b);
        EXPECT_TRUE(writeZlib(tmp.file("record"), b.block()));
        EXPECT_EQ(in.openForRead(tmp.path("record")), PLoadResult::ok);
        in.readInt16();
        in.readInt16();
        brush.read(in);
    }
    PStream in;
    PBrush brush;
};
} // namespace

TEST(BrushDefaults, RibbonKindWithMiddleParametersAndNothingOwned)
{
    PBrush brush;
    EXPECT_EQ(brush.classId(), 102);
    EXPECT_EQ(brush.kind, 2);
    EXPECT_TRUE(brush.strokes.isEmpty());
    EXPECT_EQ(brush.pattern, nullptr);
    EXPECT_TRUE(brush.density == 0.5f && brush.thickness == 0.5f && brush.largeness == 0.5f);
    EXPECT_TRUE(brush.distribute == 0 && brush.oscillate == 0 && brush.seed == 0);
}

TEST(BrushCopy, StrokesAndPatternAreDeepAndEveryParameterCopied)
{
    PBrush brush;
    makeGuide(brush, 1);
    brush.flags |= PBrush::alignStamps;
    brush.pattern.reset(humpPattern());
    brush.density = 0.1f, brush.thickness = 0.2f, brush.largeness = 0.3f;
    brush.distribute = 0.4f, brush.oscillate = 0.6f, brush.seed = -7;
    ASSERT_TRUE(brush.generateStrokes());

    std::unique_ptr<PBrush> copy(static_cast<PBrush*>(brush.clone()));
    EXPECT_EQ(copy->kind, 1);
    EXPECT_TRUE(copy->hasFlag(PBrush::alignStamps));
    EXPECT_TRUE(copy->density == 0.1f && copy->thickness == 0.2f && copy->largeness == 0.3f);
    EXPECT_TRUE(copy->distribute == 0.4f && copy->oscillate == 0.6f && copy->seed == -7);
    ASSERT_NE(copy->pattern, nullptr);
    EXPECT_NE(copy->pattern.get(), brush.pattern.get());
    EXPECT_EQ(copy->pattern->clipSize, 2);
    ASSERT_EQ(copy->strokes.size(), 1);
    EXPECT_NE(copy->strokeAt(0), brush.strokeAt(0));
    EXPECT_EQ(coordinatesOf(*copy), coordinatesOf(brush));
    EXPECT_EQ(copy->points.size(), 2);
}

TEST(BrushFile, RoundTripKeepsParametersPatternAndSavedStrokes)
{
    TempFolder tmp;
    PBrush brush;
    makeGuide(brush, 1);
    brush.flags |= PBrush::hangVertically | PFlag::selected;
    brush.pattern.reset(humpPattern());
    brush.density = 0.1f, brush.thickness = 0.2f, brush.largeness = 0.3f;
    brush.distribute = 0.4f, brush.oscillate = 0.6f, brush.seed = -7;
    ASSERT_TRUE(brush.generateStrokes());

    PBrush loaded;
    EXPECT_FALSE(roundTrip(tmp, brush, loaded));
    EXPECT_EQ(loaded.flags, PBrush::hangVertically);
    EXPECT_EQ(loaded.kind, 1);
    EXPECT_TRUE(loaded.density == 0.1f && loaded.thickness == 0.2f && loaded.largeness == 0.3f);
    EXPECT_TRUE(loaded.distribute == 0.4f && loaded.oscillate == 0.6f && loaded.seed == -7);
    ASSERT_NE(loaded.pattern, nullptr);
    ASSERT_EQ(loaded.pattern->cards.size(), 1);
    EXPECT_EQ(loaded.points.size(), 2);
    EXPECT_EQ(coordinatesOf(loaded), coordinatesOf(brush));

    PBrush bare;
    PBrush loadedBare;
    loadedBare.pattern.reset(humpPattern()); // replaced by the stored absence
    EXPECT_FALSE(roundTrip(tmp, bare, loadedBare));
    EXPECT_EQ(loadedBare.pattern, nullptr);
}

TEST(BrushFile, VersionZeroRecordsHaveNoLargenessOrOscillation)
{
    TempFolder tmp;
    HandMadeRecord old(tmp, 0, [](StreamBytes& b) { b.f32(9); });
    EXPECT_FALSE(old.in.failed);
    EXPECT_EQ(old.brush.kind, 3);
    EXPECT_TRUE(old.brush.hasFlag(PBrush::alignStamps));
    EXPECT_TRUE(old.brush.density == 0.25f && old.brush.thickness == 0.75f && old.brush.distribute == 0.5f);
    EXPECT_EQ(old.brush.seed, -2);
    EXPECT_TRUE(old.brush.largeness == 0 && old.brush.oscillate == 0);
    EXPECT_EQ(old.in.readFloat(), 9.0f); // what follows the record was left unread

    HandMadeRecord current(tmp, 1, [](StreamBytes& b) { b.f32(0.125f).f32(0.375f); });
    EXPECT_FALSE(current.in.failed);
    EXPECT_TRUE(current.brush.largeness == 0.125f && current.brush.oscillate == 0.375f);
}

TEST(BrushFile, DamagedRecordsFailCleanly)
{
    TempFolder tmp;
    const std::function<void(StreamBytes&)> strokesHoldingAPoint = [](StreamBytes& b)
    {
        b.i16(PClass::stream).i16(1);
        b.object(PClass::brush).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0).i32(0).i32(0).emptyList();
        b.i16(1).listBegin(1).object(PClass::point).i32(0).f32(1).f32(2).i16(50).i16(0).i16(0).listEnd();
    };
    const std::function<void(StreamBytes&)> patternOfAnotherClass = [](StreamBytes& b)
    {
        b.i16(PClass::stream).i16(1);
        b.object(PClass::brush).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0).i32(0).i32(0).emptyList();
        b.i16(1).emptyList().object(PClass::shape).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0);
    };
    for (const auto& damage : {strokesHoldingAPoint, patternOfAnotherClass})
    {
        StreamBytes b;
        damage(b);
        ASSERT_TRUE(writeZlib(tmp.file("bad"), b.block()));
        PStream in;
        ASSERT_EQ(in.openForRead(tmp.path("bad")), PLoadResult::ok);
        in.readInt16();
        in.readInt16();
        PBrush brush;
        brush.read(in);
        EXPECT_TRUE(in.failed);
        EXPECT_TRUE(brush.strokes.isEmpty());
        EXPECT_EQ(brush.pattern, nullptr);
    }

    // Non-finite parameters fall back instead of reaching the generators.
    HandMadeRecord nan(tmp, 1, [](StreamBytes& b) { b.f32(std::numeric_limits<float>::infinity()).f32(NAN); });
    EXPECT_TRUE(nan.brush.largeness == 0 && nan.brush.oscillate == 0);
}

TEST(BrushBuild, SavedStrokesAreDrawnAsLoadedAndRegeneratedOnlyAfterAChange)
{
    PView2 view;
    PBrush brush;
    makeGuide(brush, 1); // no pattern: kind 1 would generate nothing
    auto* saved = new PCurve();
    addPoints(*saved, {{0, 5}, {10, 5}});
    brush.strokes.append(saved);

    brush.build(view);
    ASSERT_EQ(brush.strokes.size(), 1);
    EXPECT_EQ(brush.strokeAt(0), saved);
    EXPECT_FALSE(saved->centrePath.isEmpty()); // built for drawing and hit tests

    brush.invalidate();
    EXPECT_TRUE(brush.strokes.isEmpty());
    brush.build(view);
    EXPECT_TRUE(brush.strokes.isEmpty());
    EXPECT_FALSE(brush.centrePath.isEmpty()); // the guide is still there to draw

    brush.kind = 2;
    brush.invalidate();
    brush.build(view);
    EXPECT_EQ(brush.strokes.size(), 1); // the ribbon needs no pattern
}

TEST(BrushBuild, RegeneratingAfterAnUndoneChangeGivesTheSameStrokes)
{
    PView2 view;
    PBrush brush;
    makeGuide(brush, 3);
    brush.pattern.reset(humpPattern());
    brush.pattern->cardFor(1)->shapes.append(brush.pattern->cardAt(0)->shapeAt(0)->clone());
    brush.distribute = 0.5f, brush.oscillate = 0.5f, brush.seed = 11;
    brush.build(view);
    const auto before = coordinatesOf(brush);
    ASSERT_FALSE(before.empty());

    brush.seed = 12;
    brush.invalidate();
    brush.build(view);
    EXPECT_NE(coordinatesOf(brush), before);

    brush.seed = 11;
    brush.invalidate();
    brush.build(view);
    EXPECT_EQ(coordinatesOf(brush), before);
}

TEST(BrushBuild, GeneratorReadsFlagsVariantsAndParameters)
{
    PBrush brush;
    makeGuide(brush, 4);
    brush.pointAt(1)->variant = 9;
    brush.setClosed(true);
    brush.flags |= PBrush::alignStamps | PBrush::hangVertically;
    brush.seed = -3;
    const auto in = brush.generatorInput();
    ASSERT_EQ(in.anchors.size(), 2u);
    EXPECT_EQ(in.variants, (std::vector<uint16_t>{0, 9}));
    EXPECT_TRUE(in.closed && in.alignStamps && in.hangVertically);
    EXPECT_TRUE(in.kind == 4 && in.seed == -3 && in.pattern == nullptr);
}

TEST(BrushHitTest, StrokesAreHitWhereTheGuideIsNot)
{
    PView2 view;
    PBrush brush;
    makeGuide(brush, 2); // ribbon 1.1 to each side
    brush.build(view);
    EXPECT_TRUE(brush.hitTest(5, 0, 1, 0));    // the guide
    EXPECT_TRUE(brush.hitTest(5, 0.8f, 1, 0)); // inside the ribbon only
    EXPECT_FALSE(brush.hitTest(5, 3, 1, 0));
}

TEST(BrushShading, StrokesAreShadedAndTheBrushsOwnColoursAreNot)
{
    PView2 view;
    PBrush brush;
    makeGuide(brush, 2);
    brush.setClosed(true);
    brush.fillColour = 0xFF00FF80;
    brush.build(view);
    ASSERT_EQ(brush.strokes.size(), 1);

    PArray users;
    brush.collectShadeUsers(users);
    ASSERT_EQ(users.size(), 1);
    auto* shade = users.get<PShade>(0);
    EXPECT_EQ(shade->members.at(0), brush.strokeAt(0));

    shade->to = 0xFF112233;
    PArray changed;
    brush.applyShade(*shade, changed);
    EXPECT_EQ(brush.strokeAt(0)->fillColour, 0xFF112233u);
    EXPECT_EQ(brush.fillColour, 0xFF00FF80u);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0), brush.strokeAt(0));
    changed.clear();
    users.deleteAll();
}
