#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <utility>

#include "model/brushgenerator.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/group.h"
#include "model/point.h"
#include "support/tolerance.h"

namespace
{
using Kind = PBrushGenerator::Kind;

struct Anchor
{
    float x, y;
    uint16_t thickness = 50, sharpness = 0, variant = 0;
};

/** A guide with thickness parameter 0.5: at anchor thickness 50 a pattern offset of 1 lies
    1 unit off the guide (0.5 x 0.5 x 4). */
PBrushGenerator::Input guide(Kind kind, std::initializer_list<Anchor> anchors)
{
    PBrushGenerator::Input in;
    in.kind = kind;
    in.thickness = 0.5f;
    for (const Anchor& a : anchors)
    {
        in.anchors.push_back({a.x, a.y, a.thickness, a.sharpness, false});
        in.variants.push_back(a.variant);
    }
    return in;
}

PCurve* addElement(PClip& pattern, uint16_t cardNo, std::initializer_list<std::pair<float, float>> points)
{
    auto* card = new PCard(cardNo);
    auto* curve = new PCurve();
    for (const auto& [x, y] : points)
        curve->points.append(new PPoint(x, y));
    card->shapes.append(curve);
    pattern.cards.append(card);
    return curve;
}

std::unique_ptr<PClip> patternOfSize(float size)
{
    auto clip = std::make_unique<PClip>();
    clip->clipSize = size;
    return clip;
}

/** A hump two units wide and one high: usable in a pattern of size 2. */
std::unique_ptr<PClip> humpPattern()
{
    auto clip = patternOfSize(2);
    addElement(*clip, 0, {{0, 0}, {1, 1}, {2, 0}});
    return clip;
}

/** Where a straight guide from (0, 0) to (length, 0), its handles on its anchors, puts a
    position: t = position / length on the cubic x = length (3t^2 - 2t^3). */
double alongStraightGuide(double position, double length)
{
    const double t = position / length;
    return length * (3 * t * t - 2 * t * t * t);
}

PCurve* strokeAt(const PArray& strokes, int i)
{
    return strokes.get<PCurve>(i);
}

void expectPoint(const PPoint* p, double x, double y)
{
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(isNear(p->x, x)) << "x";
    EXPECT_TRUE(isNear(p->y, y)) << "y";
}

bool allFinite(const PArray& strokes)
{
    for (PBase* stroke : strokes)
        for (PBase* p : static_cast<PCurve*>(stroke)->points)
            if (!std::isfinite(static_cast<PPoint*>(p)->x) || !std::isfinite(static_cast<PPoint*>(p)->y))
                return false;
    return true;
}

/** The strokes of one generation, deleted with the fixture. */
struct Strokes
{
    ~Strokes() { list.deleteAll(); }
    PArray list;
};
} // namespace

TEST(BrushElements, UsableElementHoldsOneOpenCurveAtLeastHalfThePatternWide)
{
    auto clip = patternOfSize(4);
    addElement(*clip, 0, {{0, 0}, {2, 1}});                // exactly half: usable
    addElement(*clip, 1, {{0, 0}, {1.9f, 1}});             // too narrow
    addElement(*clip, 2, {{3, 0}, {0, 1}})->scaleX = 0.5f; // right to left, scaled to 1.5: too narrow
    addElement(*clip, 3, {{3, 0}, {0, 1}});                // right to left, 3 wide: usable
    addElement(*clip, 4, {{0, 0}, {4, 1}})->setClosed(true);
    addElement(*clip, 5, {{0, 0}, {4, 0}})->scaleX = -1;
    addElement(*clip, 6, {{0, 0}, {4, 0}})->points.deleteAll();
    addElement(*clip, 7, {{0, 0}, {4, 0}});
    clip->cardAt(7)->shapes.append(new PCurve()); // two shapes
    auto* grouped = new PCard(8);
    grouped->shapes.append(new PGroup());
    clip->cards.append(grouped);

    const bool expected[] = {true, false, false, true, false, false, false, false, false};
    for (int i = 0; i < clip->cards.size(); ++i)
        EXPECT_EQ(PBrushGenerator::isUsableElement(*clip->cardAt(i), 4), expected[i]) << "card " << i;
}

TEST(BrushGuideLengths, StraightSegmentsMeasureTheirChordAndEmptyOnesTheFloor)
{
    auto in = guide(Kind::area, {{0, 0}, {3, 4}, {3, 4}});
    const auto list = PCurve::controlList(in.anchors, false);
    const auto floored = PBrushGenerator::segmentLengths(list, PBrushGenerator::shortestSegment);
    ASSERT_EQ(floored.size(), 2u);
    EXPECT_TRUE(isNear(floored[0], 5));
    EXPECT_EQ(floored[1], PBrushGenerator::shortestSegment);
    EXPECT_EQ(PBrushGenerator::segmentLengths(list, 0)[1], 0.0f);
}

TEST(BrushArea, OneElementIsLaidEndToEndAlongTheGuide)
{
    auto pattern = humpPattern();
    pattern->cardAt(0)->shapes.get<PCurve>(0)->pointAt(1)->thickness = 80;
    pattern->cardAt(0)->shapes.get<PCurve>(0)->pointAt(1)->sharpness = 30;
    pattern->cardAt(0)->shapes.get<PCurve>(0)->pointAt(1)->flags |= PPoint::gap;
    auto in = guide(Kind::area, {{0, 0}, {9, 0}});
    in.pattern = pattern.get();
    in.lineColour = 0xFF112233;
    in.fillColour = 0x80445566;

    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    ASSERT_EQ(out.list.size(), 1);
    const PCurve* stroke = strokeAt(out.list, 0);
    EXPECT_FALSE(stroke->isClosed());
    EXPECT_EQ(stroke->lineColour, 0xFF112233u);
    EXPECT_EQ(stroke->fillColour, 0x80445566u);

    // Humps start every 2 units; the fifth would end at 10, beyond the guide's 9, and stops
    // after its peak at 9. The normal of a guide running in +x is (0, -1).
    const double positions[] = {0, 1, 2, 2, 3, 4, 4, 5, 6, 6, 7, 8, 8, 9};
    ASSERT_EQ(stroke->points.size(), 14);
    for (int k = 0; k < 14; ++k)
    {
        const bool peak = k % 3 == 1;
        expectPoint(stroke->pointAt(k), alongStraightGuide(positions[k], 9), peak ? -1 : 0);
        EXPECT_EQ(stroke->pointAt(k)->thickness, peak ? 80 : 50);
        EXPECT_EQ(stroke->pointAt(k)->sharpness, peak ? 30 : 0);
        EXPECT_EQ(stroke->pointAt(k)->hasFlag(PPoint::gap), peak);
    }
}

TEST(BrushArea, OffsetsGrowWithThicknessParameterAndGuideWidth)
{
    auto pattern = humpPattern();
    auto in = guide(Kind::area, {{0, 0, 100}, {9, 0, 100}});
    in.pattern = pattern.get();
    in.thickness = 0.25f; // 0.25 x 1.0 x 4 = 1 at the start and the end
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    expectPoint(strokeAt(out.list, 0)->pointAt(1), alongStraightGuide(1, 9), -1);

    in.anchors[1].thickness = 0; // the width fades to nothing at the end
    Strokes faded;
    ASSERT_TRUE(PBrushGenerator::generate(in, faded.list));
    expectPoint(strokeAt(faded.list, 0)->pointAt(13), 9, 0);
}

TEST(BrushArea, SeveralElementsFollowTheRandomOrder)
{
    auto pattern = patternOfSize(2);
    addElement(*pattern, 0, {{0, 0}, {1, 1}, {2, 0}});
    addElement(*pattern, 1, {{0, 0}, {1, -1}, {2, 0}});
    auto in = guide(Kind::area, {{0, 0}, {8, 0}});
    in.pattern = pattern.get();
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    // Seed 0 gives outputs 0, 4232237, 178803790, 758674372: elements 0, 1, 0, 0.
    const PCurve* stroke = strokeAt(out.list, 0);
    ASSERT_GE(stroke->points.size(), 12);
    const double peaks[] = {-1, 1, -1, -1};
    for (int e = 0; e < 4; ++e)
        EXPECT_TRUE(isNear(stroke->pointAt(3 * e + 1)->y, peaks[e])) << "element " << e;
}

TEST(BrushArea, NeverMoreThanAThousandPoints)
{
    auto pattern = humpPattern();
    auto in = guide(Kind::area, {{0, 0}, {10000, 0}});
    in.pattern = pattern.get();
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    EXPECT_EQ(strokeAt(out.list, 0)->points.size(), PBrushGenerator::maxAreaPoints);
}

TEST(BrushGenerators, WithoutAUsableElementOnlyTheRibbonIsMade)
{
    auto unusable = patternOfSize(2);
    addElement(*unusable, 0, {{0, 0}, {0.5f, 1}});
    for (const PClip* pattern : {(const PClip*) nullptr, (const PClip*) unusable.get()})
        for (Kind kind : {Kind::area, Kind::fine})
        {
            auto in = guide(kind, {{0, 0}, {9, 0}});
            in.pattern = pattern;
            Strokes out;
            EXPECT_FALSE(PBrushGenerator::generate(in, out.list)) << kind;
            EXPECT_TRUE(out.list.isEmpty());
        }

    auto empty = patternOfSize(2);
    for (const PClip* pattern : {(const PClip*) nullptr, (const PClip*) empty.get()})
    {
        auto in = guide(Kind::spray, {{0, 0}, {9, 0}});
        in.pattern = pattern;
        Strokes out;
        EXPECT_FALSE(PBrushGenerator::generate(in, out.list));
    }

    auto in = guide(Kind::thick, {{0, 0}, {9, 0}});
    in.pattern = unusable.get();
    Strokes ribbon;
    EXPECT_TRUE(PBrushGenerator::generate(in, ribbon.list));
    ASSERT_EQ(ribbon.list.size(), 1);
    EXPECT_EQ(strokeAt(ribbon.list, 0)->points.size(), 6);
}

TEST(BrushThick, RibbonRunsOneHalfWidthEachSideWithTipsBeyondTheEnds)
{
    auto in = guide(Kind::thick, {{0, 0, 50, 100}, {10, 0, 50, 0}});
    in.largeness = 0.5f; // half-width 0.5 x 0.5 x 4 + 0.1 = 1.1
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    ASSERT_EQ(out.list.size(), 1);
    const PCurve* ribbon = strokeAt(out.list, 0);
    EXPECT_TRUE(ribbon->isClosed());
    const float expected[][2] = {{-1.1f, 0}, {0, 1.1f}, {10, 1.1f}, {11.1f, 0}, {10, -1.1f}, {0, -1.1f}};
    const uint16_t sharpness[] = {100, 100, 0, 0, 0, 100};
    ASSERT_EQ(ribbon->points.size(), 6);
    for (int i = 0; i < 6; ++i)
    {
        expectPoint(ribbon->pointAt(i), expected[i][0], expected[i][1]);
        EXPECT_EQ(ribbon->pointAt(i)->thickness, 50);
        EXPECT_EQ(ribbon->pointAt(i)->sharpness, sharpness[i]) << i;
    }
}

TEST(BrushThick, ClosedGuideKeepsEveryAnchorInItsRibbon)
{
    auto in = guide(Kind::thick, {{0, 0, 50, 100}, {10, 0, 50, 100}, {10, 10, 50, 100}, {0, 10, 50, 100}});
    in.closed = true;
    const auto outline = PBrushGenerator::ribbonOutline(in);
    ASSERT_EQ(outline.size(), 10u);
    // The last anchor's side point lies beside (0, 10), not beside the first anchor again.
    EXPECT_TRUE(isNear(outline[4].x, 0, 0.2) && isNear(outline[4].y, 10, 0.2));
}

TEST(BrushThick, PatternIsLaidAllAroundTheRibbon)
{
    auto pattern = humpPattern();
    auto in = guide(Kind::thick, {{0, 0}, {10, 0}});
    in.largeness = 0.5f;
    in.pattern = pattern.get();
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    ASSERT_EQ(out.list.size(), 1);
    const PCurve* stroke = strokeAt(out.list, 0);
    EXPECT_TRUE(stroke->isClosed());
    // The ribbon's outline is about 2 x 10 + 4 x 1.6 long: humps of 3 points every 2 units.
    EXPECT_GT(stroke->points.size(), 3 * 12);
    expectPoint(stroke->pointAt(0), -1.1, 0); // the run starts at the outline's first tip
}

TEST(BrushSpray, StampCountFollowsTheDensity)
{
    auto pattern = patternOfSize(2);
    addElement(*pattern, 0, {{0, 0}, {1, 0.5f}});
    // Spacing (1 - density)(2S - S/4) + S/4 on a guide 10 long: 4, 2.25 and 0.5.
    const std::pair<float, int> cases[] = {{0.0f, 3}, {0.5f, 5}, {1.0f, 21}};
    for (const auto& [density, stamps] : cases)
    {
        auto in = guide(Kind::spray, {{0, 0}, {10, 0}});
        in.pattern = pattern.get();
        in.density = density;
        Strokes out;
        ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
        EXPECT_EQ(out.list.size(), stamps) << "density " << density;
    }
}

TEST(BrushSpray, StampsSitAtEvenStepsScaledByThicknessAndGuideWidth)
{
    auto pattern = patternOfSize(2);
    addElement(*pattern, 0, {{0, 0}, {1, 0.5f}})->pointAt(1)->sharpness = 60;
    auto in = guide(Kind::spray, {{0, 0}, {10, 0}});
    in.pattern = pattern.get();
    in.thickness = 1; // scale 0.5 x 1 x 4 = 2
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    ASSERT_EQ(out.list.size(), 3);
    const double starts[] = {0, 5, 10};
    for (int j = 0; j < 3; ++j)
    {
        const PCurve* stamp = strokeAt(out.list, j);
        expectPoint(stamp->pointAt(0), starts[j], 0);
        expectPoint(stamp->pointAt(1), starts[j] + 2, 1);
        EXPECT_EQ(stamp->pointAt(1)->sharpness, 60);
        EXPECT_TRUE(stamp->x == 0 && stamp->scaleX == 1 && stamp->rotation == 0);
    }
}

TEST(BrushSpray, AlignedStampsTurnWithTheGuideDirection)
{
    auto pattern = patternOfSize(2);
    addElement(*pattern, 0, {{0, 0}, {1, 0.5f}});
    // Second stamp point for each guide direction: (1, 0.5) turned by the guide's angle.
    const struct
    {
        Anchor from, to;
        float x, y;
    } cases[] = {
        {{0, 0}, {10, 0}, 1, 0.5f},   // to the right: unturned
        {{0, 0}, {0, 10}, -0.5f, 1},  // upwards: a quarter turn
        {{10, 0}, {0, 0}, -1, -0.5f}, // to the left: a half turn
        {{0, 10}, {0, 0}, 0.5f, -1},  // downwards
    };
    for (const auto& c : cases)
    {
        auto in = guide(Kind::spray, {c.from, c.to});
        in.pattern = pattern.get();
        in.alignStamps = true;
        Strokes out;
        ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
        const PPoint* p = strokeAt(out.list, 0)->pointAt(1);
        EXPECT_TRUE(isNear(p->x - c.from.x, c.x) && isNear(p->y - c.from.y, c.y)) << p->x << ", " << p->y;
    }
}

TEST(BrushSpray, DisplacementAndOscillationDrawFromTheSeedInOrder)
{
    auto pattern = patternOfSize(2);
    addElement(*pattern, 0, {{0, 0}, {1, 0.5f}});
    auto in = guide(Kind::spray, {{0, 0}, {10, 0}});
    in.pattern = pattern.get();
    in.seed = 1;
    in.distribute = 0.5f;
    in.oscillate = 0.25f;
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    // Seed 1 fractions 8.958e-05, 0.73195, 0.87209: moved by (2u - 1) x 2 x 0.5 and turned by
    // (2u - 1) x 0.25 x pi = 0.5844722728 radians.
    const PCurve* first = strokeAt(out.list, 0);
    expectPoint(first->pointAt(0), -0.9998208378, 0.4639063538);
    expectPoint(first->pointAt(1), -0.4416971238, 1.4326673769);
}

TEST(BrushSpray, ElementChoiceComesBeforeTheDisplacementOfEachStamp)
{
    auto pattern = patternOfSize(2);
    addElement(*pattern, 0, {{0, 0}, {1, 0}});
    addElement(*pattern, 1, {{0, 0}, {0, 1}});
    auto in = guide(Kind::spray, {{0, 0}, {10, 0}});
    in.pattern = pattern.get();
    in.seed = 1;
    in.distribute = 0.5f;
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    ASSERT_EQ(out.list.size(), 3);
    // Seed 1: output 384748 picks element 0, fractions 0.73195 and 0.87209 move it; output
    // 1612966641 picks element 1, fractions 0.79430 and 0.36415 move it.
    expectPoint(strokeAt(out.list, 0)->pointAt(0), 0.4639063538, 0.7441732106);
    expectPoint(strokeAt(out.list, 0)->pointAt(1), 1.4639063538, 0.7441732106);
    expectPoint(strokeAt(out.list, 1)->pointAt(0), 5.5886096535, -0.2717084060);
    expectPoint(strokeAt(out.list, 1)->pointAt(1), 5.5886096535, 0.7282915940);
}

TEST(BrushSpray, EmptyElementsAndOtherArtworkGiveNoStrokes)
{
    auto pattern = patternOfSize(2);
    pattern->cards.append(new PCard(0));
    Strokes out;
    auto in = guide(Kind::spray, {{0, 0}, {10, 0}});
    in.pattern = pattern.get();
    EXPECT_TRUE(PBrushGenerator::generate(in, out.list));
    EXPECT_TRUE(out.list.isEmpty());

    pattern->cardAt(0)->shapes.append(new PGroup());
    pattern->cardAt(0)->shapes.append(new PCurve());
    pattern->cardAt(0)->shapeAt(1)->flags |= 0x100 | PFlag::selected;
    EXPECT_TRUE(PBrushGenerator::generate(in, out.list));
    ASSERT_EQ(out.list.size(), 3); // the curve of each stamp, not the group
    EXPECT_EQ(strokeAt(out.list, 0)->flags, 0u);
}

TEST(BrushFine, EachHalfSegmentTakesTheElementTaggedWithItsAnchorsVariant)
{
    auto pattern = patternOfSize(2);
    addElement(*pattern, 3, {{0, 0}, {1, 1}, {2, 0}});
    addElement(*pattern, 7, {{0, 0}, {1, -1}, {2, 0}});
    // Three evenly spaced anchors on a line: each segment is a uniform cubic, x = 10t.
    auto in = guide(Kind::fine, {{0, 0, 50, 0, 7}, {10, 0, 50, 0, 3}, {20, 0, 50, 0, 9}});
    in.pattern = pattern.get();
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    ASSERT_EQ(out.list.size(), 1);
    const PCurve* stroke = strokeAt(out.list, 0);
    // Every half is 5 long and holds positions 0 to 5; odd positions are the elements' peaks.
    // Variant 7 peaks up from the guide (offset -1 against the normal (0, -1)); variant 3 and
    // the unmatched variant 9, which falls back to the first element, peak down.
    ASSERT_EQ(stroke->points.size(), 24);
    const double peakOfHalf[] = {1, -1, -1, -1};
    for (int h = 0; h < 4; ++h)
        for (int i = 0; i < 6; ++i)
            expectPoint(stroke->pointAt(6 * h + i), 5 * h + i, i % 2 == 1 ? peakOfHalf[h] : 0);
}

TEST(BrushFine, HalvesRepeatTheElementAndStopAtTheMiddle)
{
    auto pattern = patternOfSize(1);
    addElement(*pattern, 0, {{0, 0}, {1, 0}});
    auto in = guide(Kind::fine, {{0, 0}, {10, 0}, {400, 0}});
    in.pattern = pattern.get();
    Strokes out;
    ASSERT_TRUE(PBrushGenerator::generate(in, out.list));
    // Six points for each half of the first segment, then at most 100 for each long half.
    EXPECT_EQ(strokeAt(out.list, 0)->points.size(), 6 + 6 + 2 * PBrushGenerator::maxFinePointsPerHalf);
}

TEST(BrushFine, GravityTurnsOffsetsVertical)
{
    auto pattern = humpPattern();
    const double s = std::sqrt(0.5);
    auto in = guide(Kind::fine, {{0, 0}, {10, 10}});
    in.pattern = pattern.get();
    const double length = 10 * std::sqrt(2.0);
    const double onGuide = alongStraightGuide(1, length) * s; // x and y of the peak's guide point

    Strokes across;
    ASSERT_TRUE(PBrushGenerator::generate(in, across.list));
    expectPoint(strokeAt(across.list, 0)->pointAt(1), onGuide + s, onGuide - s);

    in.hangVertically = true;
    Strokes hanging;
    ASSERT_TRUE(PBrushGenerator::generate(in, hanging.list));
    expectPoint(strokeAt(hanging.list, 0)->pointAt(1), onGuide, onGuide - 1);

    // A vertical guide has no side to hang from: the pattern lies flat on the guide.
    auto upright = guide(Kind::fine, {{0, 0}, {0, 10}});
    upright.pattern = pattern.get();
    upright.hangVertically = true;
    Strokes flat;
    ASSERT_TRUE(PBrushGenerator::generate(upright, flat.list));
    for (PBase* p : strokeAt(flat.list, 0)->points)
        EXPECT_EQ(static_cast<PPoint*>(p)->x, 0.0f);
}

TEST(BrushGenerators, DegenerateGuidesAndHostileValuesStayFinite)
{
    auto pattern = humpPattern();
    for (Kind kind : {Kind::area, Kind::thick, Kind::spray, Kind::fine})
    {
        auto single = guide(kind, {{1, 1}});
        single.pattern = pattern.get();
        Strokes none;
        EXPECT_FALSE(PBrushGenerator::generate(single, none.list)) << kind;

        auto coincident = guide(kind, {{1, 1}, {1, 1}, {1, 1}});
        coincident.pattern = pattern.get();
        Strokes still;
        PBrushGenerator::generate(coincident, still.list);
        EXPECT_TRUE(allFinite(still.list)) << kind;

        auto huge = guide(kind, {{0, 0}, {10, 0}});
        huge.pattern = pattern.get();
        huge.thickness = 3e38f;
        huge.largeness = 3e38f;
        Strokes bounded;
        PBrushGenerator::generate(huge, bounded.list);
        EXPECT_TRUE(allFinite(bounded.list)) << kind;
    }

    auto dense = guide(Kind::spray, {{0, 0}, {10, 0}});
    auto tiny = patternOfSize(1e-20f);
    addElement(*tiny, 0, {{0, 0}, {1, 0}});
    dense.pattern = tiny.get();
    Strokes capped;
    ASSERT_TRUE(PBrushGenerator::generate(dense, capped.list));
    EXPECT_EQ(capped.list.size(), PBrushGenerator::maxStampIntervals + 1);

    auto unknown = guide((Kind) 5, {{0, 0}, {10, 0}});
    Strokes nothing;
    EXPECT_FALSE(PBrushGenerator::generate(unknown, nothing.list));
}
