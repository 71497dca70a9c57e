#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "draw/view2.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/comic.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/shade.h"
#include "model/stream.h"
#include "support/testfiles.h"

namespace
{
using Coordinates = std::vector<std::pair<float, float>>;

PCurve* curveThrough(std::initializer_list<std::pair<float, float>> points)
{
    auto* curve = new PCurve();
    for (const auto& [x, y] : points)
        curve->points.append(new PPoint(x, y));
    return curve;
}

/** A straight guide along x from 0 to 10 with a pattern of one hump; every parameter set. */
void fillBrush(PBrush& brush, uint16_t kind)
{
    brush.kind = kind;
    brush.flags |= PBrush::hangVertically | PFlag::selected;
    brush.points.append(new PPoint(0, 0));
    brush.points.append(new PPoint(10, 0));
    brush.pattern = std::make_unique<PClip>();
    brush.pattern->clipSize = 2;
    brush.pattern->cardFor(0)->shapes.append(curveThrough({{0, 0}, {1, 1}, {2, 0}}));
    brush.density = 0.1f, brush.thickness = 0.2f, brush.largeness = 0.3f;
    brush.distribute = 0.4f, brush.oscillate = 0.6f, brush.seed = -7;
}

Coordinates strokePoints(const PBrush& brush)
{
    Coordinates out;
    for (PBase* stroke : brush.strokes)
        for (PBase* p : static_cast<PCurve*>(stroke)->points)
            out.emplace_back(static_cast<PPoint*>(p)->x, static_cast<PPoint*>(p)->y);
    return out;
}

void expectSameBrush(const PBrush& copy, const PBrush& original)
{
    EXPECT_EQ(copy.kind, original.kind);
    EXPECT_TRUE(copy.hasFlag(PBrush::hangVertically));
    EXPECT_TRUE(copy.density == 0.1f && copy.thickness == 0.2f && copy.largeness == 0.3f);
    EXPECT_TRUE(copy.distribute == 0.4f && copy.oscillate == 0.6f && copy.seed == -7);
    ASSERT_NE(copy.pattern, nullptr);
    EXPECT_NE(copy.pattern.get(), original.pattern.get());
    EXPECT_EQ(copy.pattern->cards.size(), 1);
    EXPECT_EQ(copy.points.size(), 2);
    EXPECT_FALSE(strokePoints(copy).empty());
    EXPECT_EQ(strokePoints(copy), strokePoints(original));
}

/** A brush record of a format version, with no points, strokes or pattern, and `tail` after
    the seed; reading it leaves the stream open for a look at what follows. */
struct Record
{
    Record(const TempFolder& tmp, int version, const std::function<void(StreamBytes&)>& tail)
    {
        StreamBytes b;
        b.i16(PClass::stream).i16(version);
        b.object(PClass::brush).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0).i32(0).i32(0).emptyList();
        b.i16(3);
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

/** No strokes, no pattern, then density, thickness, distribute and seed. */
void noPatternThenParameters(StreamBytes& b)
{
    b.emptyList().object(0).f32(0.25f).f32(0.75f).f32(0.5f).i16(-2);
}
} // namespace

TEST(BrushCopy, StrokesAndPatternAreDeepAndEveryParameterCopied)
{
    PBrush brush;
    fillBrush(brush, 1);
    ASSERT_TRUE(brush.generateStrokes());
    std::unique_ptr<PBrush> copy(static_cast<PBrush*>(brush.clone()));
    expectSameBrush(*copy, brush);
    EXPECT_NE(copy->strokeAt(0), brush.strokeAt(0));
}

TEST(BrushFile, RoundTripKeepsParametersPatternAndSavedStrokes)
{
    TempFolder tmp;
    PBrush brush, bare;
    fillBrush(brush, 1);
    ASSERT_TRUE(brush.generateStrokes());
    for (const PBrush* original : {&brush, &bare})
    {
        PStream out;
        ASSERT_TRUE(out.openForWrite(tmp.path("brush")));
        original->write(out);
        ASSERT_TRUE(out.close());
        PStream in;
        ASSERT_EQ(in.openForRead(tmp.path("brush")), PLoadResult::ok);
        EXPECT_EQ(in.readInt16(), PStreamTag::object);
        EXPECT_EQ(in.readUInt16(), PClass::brush);
        PBrush loaded;
        loaded.read(in);
        EXPECT_FALSE(in.failed);
        if (original == &bare)
            EXPECT_TRUE(loaded.pattern == nullptr && loaded.strokes.isEmpty());
        else
        {
            EXPECT_EQ(loaded.flags, PBrush::hangVertically);
            expectSameBrush(loaded, brush);
        }
    }
}

TEST(BrushFile, VersionZeroRecordsHaveNoLargenessOrOscillation)
{
    TempFolder tmp;
    Record old(tmp, 0,
               [](StreamBytes& b)
               {
                   noPatternThenParameters(b);
                   b.f32(9);
               });
    EXPECT_FALSE(old.in.failed);
    EXPECT_EQ(old.brush.kind, 3);
    EXPECT_TRUE(old.brush.density == 0.25f && old.brush.thickness == 0.75f && old.brush.distribute == 0.5f);
    EXPECT_EQ(old.brush.seed, -2);
    EXPECT_TRUE(old.brush.largeness == 0 && old.brush.oscillate == 0);
    EXPECT_EQ(old.in.readFloat(), 9.0f); // the next record's data was left for it

    Record current(tmp, 1,
                   [](StreamBytes& b)
                   {
                       noPatternThenParameters(b);
                       b.f32(0.125f).f32(NAN);
                   });
    EXPECT_FALSE(current.in.failed);
    EXPECT_TRUE(current.brush.largeness == 0.125f && current.brush.oscillate == 0);
}

TEST(BrushFile, StrokesOtherThanCurvesOrAPatternOtherThanAClipFailTheRead)
{
    TempFolder tmp;
    Record pointAsStroke(tmp, 1,
                         [](StreamBytes& b) {
                             b.listBegin(1).object(PClass::point).i32(0).f32(1).f32(2).i16(50).i16(0).i16(0).listEnd();
                         });
    Record shapeAsPattern(
        tmp, 1, [](StreamBytes& b) { b.emptyList().object(PClass::shape).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0); });
    for (const Record* r : {&pointAsStroke, &shapeAsPattern})
    {
        EXPECT_TRUE(r->in.failed);
        EXPECT_TRUE(r->brush.strokes.isEmpty() && r->brush.pattern == nullptr);
    }
}

TEST(BrushBuild, SavedStrokesAreDrawnAsLoadedAndRegeneratedOnlyAfterAChange)
{
    PView2 view;
    PBrush brush;
    fillBrush(brush, 1);
    brush.pattern.reset(); // kind 1 without a pattern generates nothing
    PCurve* saved = curveThrough({{0, 5}, {10, 5}});
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

TEST(BrushBuild, UndoingAChangeRegeneratesTheSameStrokes)
{
    PView2 view;
    PBrush brush;
    fillBrush(brush, 3);
    brush.pattern->cardFor(1)->shapes.append(curveThrough({{0, 0}, {0, 1}}));
    brush.build(view);
    const Coordinates before = strokePoints(brush);
    for (int16_t seed : {-6, -7})
    {
        brush.seed = seed;
        brush.invalidate();
        brush.build(view);
    }
    EXPECT_EQ(strokePoints(brush), before);
}

TEST(BrushHitTest, StrokesAreHitWhereTheGuideIsNot)
{
    PView2 view;
    PBrush brush;
    fillBrush(brush, 2);
    brush.pattern.reset();
    brush.largeness = 0.5f; // a ribbon 1.1 to each side
    brush.build(view);
    EXPECT_TRUE(brush.hitTest(5, 0, 1, 0));
    EXPECT_TRUE(brush.hitTest(5, 0.8f, 1, 0));
    EXPECT_FALSE(brush.hitTest(5, 3, 1, 0));
}

TEST(BrushShading, StrokesAreShadedAndTheBrushsOwnColoursAreNot)
{
    PView2 view;
    PBrush brush;
    fillBrush(brush, 2);
    brush.pattern.reset();
    brush.setClosed(true);
    brush.fillColour = 0xFF00FF80;
    brush.build(view);
    PArray users, changed;
    brush.collectShadeUsers(users);
    ASSERT_EQ(users.size(), 1);
    auto* shade = users.get<PShade>(0);
    EXPECT_EQ(shade->members.at(0), brush.strokeAt(0));
    shade->to = 0xFF112233;
    brush.applyShade(*shade, changed);
    EXPECT_EQ(brush.strokeAt(0)->fillColour, 0xFF112233u);
    EXPECT_EQ(brush.fillColour, 0xFF00FF80u);
    EXPECT_TRUE(changed.size() == 1 && changed.at(0) == brush.strokeAt(0));
    changed.clear();
    users.deleteAll();
}

TEST(BrushFile, ComicKeepsABrushAndItsStrokesOnALayer)
{
    TempFolder tmp;
    PComic comic;
    comic.path = tmp.path("brush.plm");
    auto* brush = new PBrush();
    fillBrush(*brush, 1);
    ASSERT_TRUE(brush->generateStrokes());
    auto* layer = new PLayer();
    layer->shapes.append(brush);
    auto* panel = new PPanel();
    panel->layers.append(layer);
    panel->adoptLayers();
    auto* page = new PPage();
    page->panels.append(panel);
    comic.pages.append(page);
    ASSERT_TRUE(comic.save());
    PComic loaded;
    ASSERT_EQ(loaded.load(comic.path), PLoadResult::ok);
    auto* back = dynamic_cast<PBrush*>(loaded.pages.get<PPage>(0)->panels.get<PPanel>(0)->layerAt(0)->shapeAt(0));
    ASSERT_NE(back, nullptr);
    expectSameBrush(*back, *brush);
}
