#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <vector>

#include "draw/view2.h"
#include "model/curve.h"
#include "model/point.h"
#include "model/shade.h"
#include "support/testfiles.h"
#include "support/testshapes.h"
#include "support/tolerance.h"

namespace
{
struct Anchor
{
    float x, y;
    uint16_t thickness = 50, sharpness = 0;
};

void addPoints(PCurve& curve, std::initializer_list<Anchor> anchors)
{
    for (const auto& a : anchors)
    {
        auto* p = new PPoint(a.x, a.y);
        p->thickness = a.thickness;
        p->sharpness = a.sharpness;
        curve.points.append(p);
    }
}

PCurve::ControlList controls(std::initializer_list<Anchor> anchors)
{
    PCurve::ControlList list;
    for (const auto& a : anchors)
        list.push_back({a.x, a.y, a.thickness, a.sharpness, false});
    return list;
}

/** One element of a path: its kind and its points in order. */
struct Element
{
    juce::Path::Iterator::PathElementType type;
    std::vector<float> xy;
};

std::vector<Element> elementsOf(const juce::Path& path)
{
    std::vector<Element> out;
    juce::Path::Iterator it(path);
    using T = juce::Path::Iterator;
    while (it.next())
    {
        switch (it.elementType)
        {
        case T::startNewSubPath:
        case T::lineTo: out.push_back({it.elementType, {it.x1, it.y1}}); break;
        case T::quadraticTo: out.push_back({it.elementType, {it.x1, it.y1, it.x2, it.y2}}); break;
        case T::cubicTo: out.push_back({it.elementType, {it.x1, it.y1, it.x2, it.y2, it.x3, it.y3}}); break;
        case T::closePath: out.push_back({it.elementType, {}}); break;
        }
    }
    return out;
}

void expectElement(const Element& e, juce::Path::Iterator::PathElementType type, std::vector<float> xy)
{
    ASSERT_EQ(e.type, type);
    ASSERT_EQ(e.xy.size(), xy.size());
    for (size_t i = 0; i < xy.size(); ++i)
        EXPECT_TRUE(isNear(e.xy[i], xy[i])) << "coordinate " << i;
}

bool allFinite(const juce::Path& path)
{
    for (const auto& e : elementsOf(path))
        for (float v : e.xy)
            if (!std::isfinite(v))
                return false;
    return true;
}

void expectPoint(const PCurve::Control& c, float x, float y)
{
    EXPECT_TRUE(isNearPoint(c.x, c.y, x, y));
}

class OpenGLView : public PView2
{
public:
};

using T = juce::Path::Iterator;
} // namespace

TEST(CurveControlList, CornersTakeAThirtiethOfEachChordAndOpenEndsATenth)
{
    const auto list = PCurve::controlList(controls({{0, 0, 50, 100}, {6, 0, 50, 100}, {6, 3, 50, 100}}), false);
    ASSERT_EQ(list.size(), 7u);
    expectPoint(list[1], 0.1f, 0); // open end: 0.1 whatever the chord
    expectPoint(list[2], 5.8f, 0); // 6 / 30 back towards the first anchor
    expectPoint(list[4], 6, 0.1f); // 3 / 30 towards the last anchor
    expectPoint(list[5], 6, 2.9f); // open end

    const auto square =
        PCurve::controlList(controls({{0, 0, 50, 100}, {6, 0, 50, 100}, {6, 3, 50, 100}, {0, 3, 50, 100}}), true);
    ASSERT_EQ(square.size(), 12u);
    expectPoint(square[11], 0, 0.1f); // anchor 0's incoming handle is the last entry
    expectPoint(square[1], 0.2f, 0);
}

TEST(CurveControlList, SmoothAnchorsFollowTheNeighboursAndOpenEndsMirrorThem)
{
    // The middle anchor's handles lie along the bisector's normal, a third of each chord long;
    // the ends mirror the neighbour's handle across the line perpendicular to their chord.
    const float h = std::sqrt(0.5f);
    const auto list = PCurve::controlList(controls({{0, 0}, {3, 0}, {3, 3}}), false);
    expectPoint(list[2], 3 - h, -h);
    expectPoint(list[4], 3 + h, h);
    expectPoint(list[1], h, -h);
    expectPoint(list[5], 3 + h, 3 - h);

    const auto halfSharp = PCurve::controlList(controls({{-3, 0}, {0, 0, 50, 50}, {3, 0}}), false);
    expectPoint(halfSharp[2], -0.5f, 0);
    expectPoint(halfSharp[4], 0.5f, 0);
}

TEST(CurveControlList, CoincidentAnchorsGiveHandlesOnTheAnchor)
{
    for (uint16_t sharpness : {0, 100})
        for (bool closed : {false, true})
            for (const auto& c : PCurve::controlList(
                     controls({{1, 1, 50, sharpness}, {1, 1, 50, sharpness}, {1, 1, 50, sharpness}}), closed))
                expectPoint(c, 1, 1);
}

TEST(CurveBuild, FewerThanTwoPointsBuildNothing)
{
    PView2 view;
    PCurve curve;
    curve.build(view);
    addPoints(curve, {{2, 3}});
    curve.build(view);
    EXPECT_TRUE(curve.centrePath.isEmpty());
    EXPECT_TRUE(isNear(curve.bounds.left, 0) && isNear(curve.bounds.right, 0) && isNear(curve.bounds.bottom, 0));
}

TEST(CurveBuild, GeometryIsInPageCoordinatesThroughShapeAndParent)
{
    PView2 view;
    PShape parent;
    parent.x = 100;
    view.pushShape(parent);
    PCurve curve;
    curve.x = 10;
    curve.scaleX = curve.scaleY = 2;
    addPoints(curve, {{0, 0}, {1, 0.5f}});
    curve.build(view);
    EXPECT_TRUE(isNear(curve.bounds.left, 110) && isNear(curve.bounds.right, 112));
    EXPECT_TRUE(isNear(curve.bounds.top, 0) && isNear(curve.bounds.bottom, 1));
    EXPECT_EQ(view.depth, 1);
}

TEST(CurveBuild, OneCacheServesEveryBackEndUntilInvalidated)
{
    PView2 soft;
    OpenGLView gl;
    PCurve curve;
    addPoints(curve, {{0, 0}, {2, 1}, {4, 0}});
    curve.build(soft);
    const juce::Path smooth = curve.centrePath;
    curve.pointAt(2)->x = 8;
    // The OpenGL view draws the same smooth geometry, so it takes the cache as it stands.
    curve.build(gl);
    EXPECT_TRUE(curve.centrePath == smooth);
    curve.invalidate();
    EXPECT_TRUE(curve.centrePath.isEmpty());
    curve.build(gl);
    EXPECT_TRUE(isNear(curve.bounds.right, 8));
}

TEST(CurveOutline, EqualThicknessTwoPointsIsAStrokeWithoutOutline)
{
    PView2 view;
    PCurve curve;
    addPoints(curve, {{0, 0}, {4, 0}});
    curve.build(view);
    EXPECT_TRUE(curve.hasLine());
    EXPECT_FALSE(curve.lineVaries());
    EXPECT_FALSE(curve.centrePath.isEmpty());
    EXPECT_TRUE(curve.outlinePath.isEmpty());
}

TEST(CurveOutline, UnequalEndThicknessGivesTaperedQuad)
{
    PView2 view;
    view.penSetting = 100; // 0.125 cm: half-widths 0.0625 at thickness 100, 0.03125 at 50
    PCurve curve;
    addPoints(curve, {{0, 0, 100}, {4, 0, 50}});
    curve.build(view);
    const auto e = elementsOf(curve.outlinePath);
    ASSERT_EQ(e.size(), 5u);
    expectElement(e[0], T::startNewSubPath, {0, 0.0625f});
    expectElement(e[1], T::lineTo, {4, 0.03125f});
    expectElement(e[2], T::lineTo, {4, -0.03125f});
    expectElement(e[3], T::lineTo, {0, -0.0625f});
    EXPECT_EQ(e[4].type, T::closePath);
}

TEST(CurveOutline, HalfWidthsStepByThirdsAlongTheSegment)
{
    const auto w = PCurve::halfWidths(0.3f, 0.6f);
    EXPECT_TRUE(isNear(w[0], 0.3) && isNear(w[1], 0.4) && isNear(w[2], 0.5) && isNear(w[3], 0.6));

    // A straight segment along x: the normal (ty, -tx) points down, so one side lies below.
    auto seg = controls({{0, 0, 100, 0}, {1, 0}, {2, 0}, {3, 0, 40, 50}});
    juce::Path path;
    PCurve::appendSegmentOutline(path, seg[0], seg[1], seg[2], seg[3], 1.0f);
    const auto e = elementsOf(path);
    ASSERT_EQ(e.size(), 6u);
    expectElement(e[0], T::startNewSubPath, {0, -1});
    expectElement(e[1], T::cubicTo, {1, -0.8f, 2, -0.6f, 3, -0.4f});
    expectElement(e[2], T::cubicTo, {3.52f, -0.4f, 3.52f, 0.4f, 3, 0.4f}); // round cap at the sharp end
    expectElement(e[3], T::cubicTo, {2, 0.6f, 1, 0.8f, 0, 1});
    expectElement(e[4], T::lineTo, {0, -1}); // straight across the smooth end
    EXPECT_EQ(e[5].type, T::closePath);

    seg[3].gap = true;
    juce::Path hidden;
    PCurve::appendSegmentOutline(hidden, seg[0], seg[1], seg[2], seg[3], 1.0f);
    seg[3].gap = false;
    seg[0].thickness = seg[3].thickness = 0;
    PCurve::appendSegmentOutline(hidden, seg[0], seg[1], seg[2], seg[3], 1.0f);
    EXPECT_TRUE(hidden.isEmpty());
}

TEST(CurveOutline, VaryingCurveIsFilledOutlineOneSubPathPerSegment)
{
    PView2 view;
    PCurve curve;
    addPoints(curve, {{0, 0, 20}, {2, 1, 80}, {4, 0, 20}});
    curve.build(view);
    EXPECT_TRUE(curve.lineVaries());
    int subPaths = 0;
    for (const auto& e : elementsOf(curve.outlinePath))
        subPaths += e.type == T::startNewSubPath;
    EXPECT_EQ(subPaths, 2);
}

// Whatever the anchors, widths and corners, the filled outline covers the line it stands for:
// every point of the centre path between its anchors lies inside it.
TEST(CurveOutline, TheVariableWidthOutlineContainsTheCentrePath)
{
    Seeded random(3);
    for (int i = 0; i < 100; ++i)
    {
        PView2 view;
        view.penSetting = 100;
        PCurve curve;
        curve.setClosed(random.below(2) == 0);
        double x = 0, y = 0, heading = random.between(-3.14, 3.14);
        for (int n = 2 + random.below(5); n > 0; --n)
        {
            const auto thickness = static_cast<uint16_t>(random.between(20, 100));
            addPoints(curve, {{static_cast<float>(x), static_cast<float>(y), thickness,
                               static_cast<uint16_t>(random.below(2) * 100)}});
            heading += random.between(-0.9, 0.9);
            const double step = random.between(1, 3);
            x += step * std::cos(heading), y += step * std::sin(heading);
        }
        curve.pointAt(0)->thickness = 10; // never a steady line
        curve.build(view);
        ASSERT_FALSE(curve.outlinePath.isEmpty()) << "case " << i;
        // The centre path's own points, but for those at an anchor, where an outline ends on it.
        for (juce::PathFlatteningIterator it(curve.centrePath, {}, 1e-3f); it.next();)
        {
            const juce::Point<float> p{it.x2, it.y2};
            bool atAnAnchor = false;
            for (PBase* a : curve.points)
                atAnAnchor |= p.getDistanceFrom({static_cast<PPoint*>(a)->x, static_cast<PPoint*>(a)->y}) < 0.05f;
            EXPECT_TRUE(atAnAnchor || curve.outlinePath.contains(p, 1e-4f))
                << "case " << i << " at " << p.x << ", " << p.y;
        }
    }
}

TEST(CurveOutline, DegenerateInputsGiveNoNaN)
{
    PView2 view;
    OpenGLView gl;
    for (PView2* v : {&view, static_cast<PView2*>(&gl)})
        for (bool closed : {false, true})
        {
            PCurve curve;
            curve.setClosed(closed);
            curve.scaleX = 0;
            addPoints(curve, {{1, 1, 0, 100}, {1, 1, 100}, {1, 1, 30, 40}, {1, 1, 100, 100}});
            curve.build(*v);
            EXPECT_TRUE(allFinite(curve.centrePath) && allFinite(curve.outlinePath));
            EXPECT_TRUE(std::isfinite(curve.bounds.left) && std::isfinite(curve.bounds.bottom));
            curve.setOrigin(5, 5); // a collapsed transform cannot be inverted: nothing moves
            EXPECT_TRUE(isNear(curve.x, 0) && isNear(curve.pointAt(0)->x, 1));
        }
    gl.zoom = 0;
    PCurve curve;
    addPoints(curve, {{0, 0}, {4, 0, 10}});
    curve.build(gl);
    EXPECT_TRUE(allFinite(curve.centrePath) && allFinite(curve.outlinePath));
}

TEST(CurveHitTest, ToleranceIsATenthOverTheScale)
{
    PView2 view;
    PCurve line;
    addPoints(line, {{0, 0}, {4, 0}});
    line.build(view);
    EXPECT_TRUE(line.hitTest(2, 0.05f, 1, PEditMode::none));
    EXPECT_FALSE(line.hitTest(2, 0.15f, 1, PEditMode::none));
    EXPECT_TRUE(line.hitTest(2, 0.15f, 0.5f, PEditMode::none));
    EXPECT_FALSE(line.hitTest(5, 0, 1, PEditMode::none));
    EXPECT_TRUE(line.hitTest(2, 0.05f, 0, PEditMode::none)); // a zero scale does not divide by zero

    PCurve square;
    square.setClosed(true);
    addPoints(square, {{0, 0, 50, 100}, {4, 0, 50, 100}, {4, 4, 50, 100}, {0, 4, 50, 100}});
    square.build(view);
    EXPECT_TRUE(square.hitTest(2, 2, 1, PEditMode::none));
    EXPECT_FALSE(square.hitTest(4.5f, 2, 1, PEditMode::none));
}

TEST(CurveBounds, RawOrThroughTheShapeTransform)
{
    PCurve curve;
    PRect out = PRect::of(0, 0, 0, 0);
    curve.getBounds(out, true);
    EXPECT_TRUE(out.isEmpty());

    addPoints(curve, {{1, 2}, {3, -1}});
    curve.x = 10;
    curve.scaleX = curve.scaleY = 2;
    curve.getBounds(out, true);
    EXPECT_TRUE(isNear(out.left, 1) && isNear(out.top, -1) && isNear(out.right, 3) && isNear(out.bottom, 2));
    curve.getBounds(out, false);
    EXPECT_TRUE(isNear(out.left, 12) && isNear(out.top, -2) && isNear(out.right, 16) && isNear(out.bottom, 4));
}

TEST(CurveTransform, FlipTwiceRestoresAndOriginMovesWithoutMovingTheDrawing)
{
    PCurve curve;
    addPoints(curve, {{2, 2}, {4, 6}});
    curve.x = 1;
    curve.flip(true);
    EXPECT_TRUE(isNear(curve.pointAt(1)->x, -4) && isNear(curve.pointAt(1)->y, 6) && isNear(curve.x, 1));
    curve.flip(true);
    curve.flip(false);
    curve.flip(false);
    EXPECT_TRUE(isNear(curve.pointAt(1)->x, 4) && isNear(curve.pointAt(1)->y, 6));

    curve.centreOrigin(); // centre (3, 4) of the points, moved by the position (1, 0)
    EXPECT_TRUE(isNear(curve.x, 4) && isNear(curve.y, 4));
    EXPECT_TRUE(isNear(curve.pointAt(0)->x, -1) && isNear(curve.pointAt(0)->y, -2));

    curve.scaleX = curve.scaleY = 2; // the first point is drawn at (2, 0)
    curve.setOrigin(0, 0);
    EXPECT_TRUE(isNear(curve.pointAt(0)->x, 1) && isNear(curve.pointAt(0)->y, 0));
}

TEST(CurveShading, BlackAndWhiteMatchWhateverTheHue)
{
    EXPECT_TRUE(PCurve::coloursMatch(0xFF0000FF, 0xFFAB12FF));
    EXPECT_TRUE(PCurve::coloursMatch(0xFF000000, 0x80FF4400));
    EXPECT_TRUE(PCurve::coloursMatch(0xFF102080, 0xFF102080));
    EXPECT_FALSE(PCurve::coloursMatch(0xFF000080, 0xFF100080));
    EXPECT_FALSE(PCurve::coloursMatch(0xFF0000FF, 0xFF0000FE));
}

TEST(CurveShading, ClosedCurvesAreCollectedAndRecoloured)
{
    PCurve white1, white2, red, open;
    for (PCurve* c : {&white1, &white2, &red})
        c->setClosed(true);
    white2.fillColour = 0xFF3355FF; // still pure white
    red.fillColour = 0xFF00FF80;

    PArray shades;
    for (PCurve* c : {&white1, &white2, &red, &open})
        c->collectShadeUsers(shades);
    ASSERT_EQ(shades.size(), 2);
    EXPECT_EQ(shades.get<PShade>(0)->members.size(), 2);
    EXPECT_EQ(shades.get<PShade>(1)->from, 0xFF00FF80u);

    PShade shade(PCurve::opaqueWhite, 0xFF000080);
    PArray changed;
    for (PCurve* c : {&white1, &white2, &red, &open})
        c->applyShade(shade, changed);
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(white2.fillColour, 0xFF000080u);
    EXPECT_EQ(red.fillColour, 0xFF00FF80u);
    EXPECT_EQ(open.fillColour, PCurve::opaqueWhite);
    changed.clear();

    PArray collected;
    for (PCurve* c : {&white1, &red, &open})
        c->collectShades(collected);
    EXPECT_EQ(collected.size(), 2);
    collected.deleteAll();
    shades.deleteAll();
}

TEST(CurveFile, PointListRefusesOtherClassesAndZeroesNonFiniteCoordinates)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    StreamBytes layerAsPoint, nanPoint;
    for (auto* b : {&layerAsPoint, &nanPoint})
        b->i16(PClass::stream).i16(1).object(PClass::curve).i32(0).f32(0).f32(0).f32(1).f32(1).f32(0).i32(0).i32(0);
    layerAsPoint.listBegin(1).object(PClass::layer).i32(0).item(u"", 0, 0).emptyList().i16(50).listEnd();
    nanPoint.listBegin(1).object(PClass::point).i32(0).f32(nan).f32(0).i16(50).i16(0).i16(0).listEnd();

    PStream refused;
    PCurve empty;
    EXPECT_TRUE(readOne(refused, layerAsPoint, empty));
    EXPECT_TRUE(empty.points.isEmpty());

    // A coordinate that is not a number is taken as 0 rather than losing the whole comic.
    PStream read;
    PCurve curve;
    EXPECT_FALSE(readOne(read, nanPoint, curve));
    ASSERT_EQ(curve.points.size(), 1);
    EXPECT_EQ(curve.pointAt(0)->x, 0.0f);
}

TEST(ShadeMembers, CopySharesTheCurvesAndNeitherShadeOwnsThem)
{
    PCurve a, b;
    auto shade = std::make_unique<PShade>(PCurve::opaqueWhite, 0xFF000080);
    shade->flags = 0x3;
    shade->members.append(&a);
    shade->members.append(&b);

    std::unique_ptr<PShade> copy(static_cast<PShade*>(shade->clone()));
    EXPECT_EQ(copy->classId(), PClass::shade);
    EXPECT_EQ(copy->flags, 0x3u);
    EXPECT_EQ(copy->from, PCurve::opaqueWhite);
    EXPECT_EQ(copy->to, 0xFF000080u);
    ASSERT_EQ(copy->members.size(), 2);
    EXPECT_EQ(copy->members.at(1), &b);

    // Deleting the records must leave the curves, which live on the stack here, alone.
    shade.reset();
    copy.reset();
    EXPECT_EQ(a.fillColour, PCurve::opaqueWhite);
}
