#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
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

/** Thickness parameter 0.5: at anchor thickness 50 an offset of 1 lies 1 off the guide (0.5 x 0.5 x 4). */
PBrushGenerator::Input guide(Kind kind, std::initializer_list<Anchor> anchors, const PClip* pattern = nullptr)
{
    PBrushGenerator::Input in;
    in.kind = kind;
    in.thickness = 0.5f;
    in.pattern = pattern;
    for (const Anchor& a : anchors)
    {
        in.anchors.push_back({a.x, a.y, a.thickness, a.sharpness, false});
        in.variants.push_back(a.variant);
    }
    return in;
}

PCurve* addElement(PClip& pattern, uint16_t cardNo, std::initializer_list<std::pair<float, float>> points)
{
    auto* curve = new PCurve();
    for (const auto& [x, y] : points)
        curve->points.append(new PPoint(x, y));
    pattern.cardFor(cardNo)->shapes.append(curve);
    return curve;
}

/** A pattern of size 2 holding a hump two units wide and one high, tagged 0. */
std::unique_ptr<PClip> pattern(std::initializer_list<std::pair<float, float>> points = {{0, 0}, {1, 1}, {2, 0}})
{
    auto clip = std::make_unique<PClip>();
    clip->clipSize = 2;
    addElement(*clip, 0, points);
    return clip;
}

/** A straight two-anchor guide from (0, 0) along x has its handles on its anchors: position s
    lies at t = s / length on the cubic x = length (3t^2 - 2t^3). */
double alongStraightGuide(double position, double length)
{
    const double t = position / length;
    return length * (3 * t * t - 2 * t * t * t);
}

/** The strokes of one generation, owned and deleted like a brush's. */
struct Generated
{
    explicit Generated(const PBrushGenerator::Input& in) : made(PBrushGenerator::generate(in, strokes)) {}
    ~Generated() { strokes.deleteAll(); }
    const PPoint& point(int stroke, int i) const { return *strokes.get<PCurve>(stroke)->pointAt(i); }
    int pointCount(int stroke = 0) const { return strokes.get<PCurve>(stroke)->points.size(); }
    bool allFinite() const
    {
        for (PBase* stroke : strokes)
            for (PBase* p : static_cast<PCurve*>(stroke)->points)
                if (!std::isfinite(static_cast<PPoint*>(p)->x) || !std::isfinite(static_cast<PPoint*>(p)->y))
                    return false;
        return true;
    }

    PArray strokes;
    bool made;
};

void expectAt(const PPoint& p, double x, double y)
{
    EXPECT_TRUE(isNearPoint(p.x, p.y, x, y));
}
} // namespace

TEST(BrushElements, UsableElementHoldsOneOpenCurveAtLeastHalfThePatternWide)
{
    auto clip = pattern({{0, 0}, {1, 1}});                  // exactly half: usable
    addElement(*clip, 1, {{0, 0}, {0.9f, 1}});              // too narrow
    addElement(*clip, 2, {{2, 0}, {0, 1}})->scaleX = 0.25f; // scaled to 0.5: too narrow
    addElement(*clip, 3, {{2, 0}, {0, 1}});                 // right to left: usable
    addElement(*clip, 4, {{0, 0}, {4, 1}})->setClosed(true);
    addElement(*clip, 5, {{0, 0}, {4, 0}})->scaleX = -1;
    addElement(*clip, 6, {{0, 0}});
    addElement(*clip, 7, {{0, 0}, {4, 0}});
    clip->cardFor(7)->shapes.append(new PCurve());
    clip->cardFor(8)->shapes.append(new PGroup());
    const bool expected[] = {true, false, false, true, false, false, false, false, false};
    for (int i = 0; i < clip->cards.size(); ++i)
        EXPECT_EQ(PBrushGenerator::isUsableElement(*clip->cardAt(i), 2), expected[i]) << "card " << i;
}

TEST(BrushArea, OneElementIsLaidEndToEndAlongTheGuide)
{
    auto clip = pattern();
    PPoint* peak = clip->cardAt(0)->shapes.get<PCurve>(0)->pointAt(1);
    peak->thickness = 80, peak->sharpness = 30, peak->flags |= PPoint::gap;
    auto in = guide(Kind::area, {{0, 0}, {9, 0}}, clip.get());
    in.lineColour = 0xFF112233;
    Generated run(in);
    ASSERT_TRUE(run.made);
    ASSERT_EQ(run.strokes.size(), 1);
    EXPECT_EQ(run.strokes.get<PCurve>(0)->lineColour, 0xFF112233u);
    // Humps start every 2 units; the fifth is cut after its peak at 9, the guide's end.
    // The normal of a guide running along +x is (0, -1), so peaks lie below it.
    const double positions[] = {0, 1, 2, 2, 3, 4, 4, 5, 6, 6, 7, 8, 8, 9};
    ASSERT_EQ(run.pointCount(), 14);
    for (int k = 0; k < 14; ++k)
    {
        const bool isPeak = k % 3 == 1;
        expectAt(run.point(0, k), alongStraightGuide(positions[k], 9), isPeak ? -1 : 0);
        EXPECT_TRUE(run.point(0, k).thickness == (isPeak ? 80 : 50) && run.point(0, k).sharpness == (isPeak ? 30 : 0));
        EXPECT_EQ(run.point(0, k).hasFlag(PPoint::gap), isPeak);
    }

    // Offsets follow the guide's thickness: it fades from 1.0 to nothing here.
    Generated faded(guide(Kind::area, {{0, 0, 100}, {9, 0, 0}}, clip.get()));
    expectAt(faded.point(0, 1), alongStraightGuide(1, 9), -2 * (1 - 1.0 / 9));
    expectAt(faded.point(0, 13), 9, 0);
}

TEST(BrushArea, SeveralElementsFollowTheRandomOrderAndStopAtAThousandPoints)
{
    auto clip = pattern();
    addElement(*clip, 1, {{0, 0}, {1, -1}, {2, 0}});
    Generated run(guide(Kind::area, {{0, 0}, {8, 0}}, clip.get()));
    // Seed 0 gives outputs 0, 4232237, 178803790, 758674372: elements 0, 1, 0, 0.
    const double peaks[] = {-1, 1, -1, -1};
    for (int e = 0; e < 4; ++e)
        EXPECT_TRUE(isNear(run.point(0, 3 * e + 1).y, peaks[e])) << "element " << e;

    Generated longGuide(guide(Kind::area, {{0, 0}, {10000, 0}}, clip.get()));
    EXPECT_EQ(longGuide.pointCount(), PBrushGenerator::maxAreaPoints);
}

TEST(BrushGenerators, WithoutAUsableElementOnlyTheRibbonIsMade)
{
    auto narrow = pattern({{0, 0}, {0.5f, 1}});
    auto empty = std::make_unique<PClip>();
    for (const PClip* p : {static_cast<const PClip*>(nullptr), static_cast<const PClip*>(narrow.get()),
                           static_cast<const PClip*>(empty.get())})
    {
        for (Kind kind : {Kind::area, Kind::fine})
            EXPECT_FALSE(Generated(guide(kind, {{0, 0}, {9, 0}}, p)).made) << kind;
        if (p != narrow.get()) // kind 3 stamps any element; only a missing or empty pattern stops it
        {
            EXPECT_FALSE(Generated(guide(Kind::spray, {{0, 0}, {9, 0}}, p)).made);
        }
        Generated ribbon(guide(Kind::thick, {{0, 0}, {9, 0}}, p));
        ASSERT_EQ(ribbon.strokes.size(), 1);
        EXPECT_EQ(ribbon.pointCount(), 6);
    }
    EXPECT_FALSE(Generated(guide(static_cast<Kind>(5), {{0, 0}, {9, 0}}, narrow.get())).made);
}

TEST(BrushThick, RibbonRunsOneHalfWidthEachSideWithTipsBeyondTheEnds)
{
    auto in = guide(Kind::thick, {{0, 0, 50, 100}, {10, 0, 50, 0}});
    in.largeness = 0.5f; // half-width 0.5 x 0.5 x 4 + 0.1 = 1.1
    Generated run(in);
    ASSERT_EQ(run.strokes.size(), 1);
    EXPECT_TRUE(run.strokes.get<PCurve>(0)->isClosed());
    const float expected[][2] = {{-1.1f, 0}, {0, 1.1f}, {10, 1.1f}, {11.1f, 0}, {10, -1.1f}, {0, -1.1f}};
    const uint16_t sharpness[] = {100, 100, 0, 0, 0, 100};
    ASSERT_EQ(run.pointCount(), 6);
    for (int i = 0; i < 6; ++i)
    {
        expectAt(run.point(0, i), expected[i][0], expected[i][1]);
        EXPECT_TRUE(run.point(0, i).thickness == 50 && run.point(0, i).sharpness == sharpness[i]) << i;
    }

    // With a pattern, one closed stroke runs all around that outline from its first tip.
    auto clip = pattern();
    in.pattern = clip.get();
    Generated around(in);
    ASSERT_EQ(around.strokes.size(), 1);
    EXPECT_TRUE(around.strokes.get<PCurve>(0)->isClosed());
    EXPECT_GT(around.pointCount(), 3 * 12); // the outline is over 2 x 10 + 4 x 1.5 long
    expectAt(around.point(0, 0), -1.1, 0);
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

TEST(BrushSpray, StampsSitAtEvenStepsAsManyAsTheDensityAsks)
{
    auto clip = pattern({{0, 0}, {1, 0.5f}});
    // Spacing (1 - density)(2S - S/4) + S/4 on a guide 10 long: 4, 2.25 and 0.5.
    const std::pair<float, int> cases[] = {{0.0f, 3}, {0.5f, 5}, {1.0f, 21}};
    for (const auto& [density, stamps] : cases)
    {
        auto in = guide(Kind::spray, {{0, 0}, {10, 0}}, clip.get());
        in.density = density;
        in.thickness = 1; // scale 0.5 x 1 x 4 = 2
        Generated run(in);
        ASSERT_EQ(run.strokes.size(), stamps) << "density " << density;
        const double step = 10.0 / (stamps - 1);
        for (int j = 0; j < stamps; ++j)
        {
            const double x = alongStraightGuide(j * step, 10);
            expectAt(run.point(j, 0), x, 0);
            expectAt(run.point(j, 1), x + 2, 1);
        }
    }
}

TEST(BrushSpray, AlignedStampsTurnWithTheGuideDirection)
{
    auto clip = pattern({{0, 0}, {1, 0.5f}});
    const struct
    {
        Anchor from, to;
        float x, y; // (1, 0.5) turned by the guide's direction
    } cases[] = {
        {{0, 0}, {10, 0}, 1, 0.5f},
        {{0, 0}, {0, 10}, -0.5f, 1},
        {{10, 0}, {0, 0}, -1, -0.5f},
        {{0, 10}, {0, 0}, 0.5f, -1},
    };
    for (const auto& c : cases)
    {
        auto in = guide(Kind::spray, {c.from, c.to}, clip.get());
        in.alignStamps = true;
        Generated run(in);
        expectAt(run.point(0, 1), c.from.x + c.x, c.from.y + c.y);
    }
}

TEST(BrushSpray, EachStampDrawsElementThenDisplacementThenAngle)
{
    auto clip = pattern({{0, 0}, {1, 0}});
    addElement(*clip, 1, {{0, 0}, {0, 1}});
    addElement(*clip, 2, {{0, 0}, {-1, 0}});
    auto in = guide(Kind::spray, {{0, 0}, {10, 0}}, clip.get());
    in.seed = 1, in.distribute = 0.5f, in.oscillate = 0.25f;
    Generated run(in);
    ASSERT_EQ(run.strokes.size(), 3);
    // Seed 1: output 384748 picks element 1; fractions 0.73195, 0.87209 move it by (2u - 1) x 2 x 0.5;
    // fraction 0.37555 turns it by (2u - 1) x 0.25 pi. Output 1264029606 then picks element 0,
    // moved by 0.36415, 0.31002 and turned by 0.94536.
    expectAt(run.point(0, 0), 0.4639063538, 0.7441732106);
    expectAt(run.point(0, 1), 0.6581522529, 1.7251260793);
    expectAt(run.point(1, 0), 4.7282915940, -0.3799647819);
    expectAt(run.point(1, 1), 5.4934142657, 0.2639197552);
}

TEST(BrushSpray, EmptyElementsGiveNoStampAndOnlyCurvesBecomeStrokes)
{
    auto clip = std::make_unique<PClip>();
    PCard* card = clip->cardFor(0);
    auto in = guide(Kind::spray, {{0, 0}, {10, 0}}, clip.get());
    EXPECT_TRUE(Generated(in).made);
    EXPECT_TRUE(Generated(in).strokes.isEmpty());

    card->shapes.append(new PGroup());
    card->shapes.append(new PCurve());
    card->shapeAt(1)->flags |= 0x100 | PFlag::selected; // hidden and selected in the clip editor
    Generated run(in);
    ASSERT_EQ(run.strokes.size(), 2); // size 10 spaces stamps 20 apart: at least one interval, two stamps
    EXPECT_EQ(run.strokes.at(0)->flags, 0u);
}

TEST(BrushFine, EachHalfSegmentTakesTheElementTaggedWithItsAnchorsVariant)
{
    auto clip = pattern();
    clip->cardAt(0)->cardNo = 3;
    addElement(*clip, 7, {{0, 0}, {1, -1}, {2, 0}});
    // Evenly spaced anchors on a line make uniform cubics: x = 10t on each segment.
    Generated run(guide(Kind::fine, {{0, 0, 50, 0, 7}, {10, 0, 50, 0, 3}, {20, 0, 50, 0, 9}}, clip.get()));
    // Each half is 5 long and holds positions 0 to 5, odd ones at the element's peak. Variant 7
    // peaks above the guide, variant 3 below; unmatched variant 9 takes the first element, 3.
    ASSERT_EQ(run.pointCount(), 24);
    const double peakOfHalf[] = {1, -1, -1, -1};
    for (int h = 0; h < 4; ++h)
        for (int i = 0; i < 6; ++i)
            expectAt(run.point(0, 6 * h + i), 5 * h + i, i % 2 == 1 ? peakOfHalf[h] : 0);

    Generated longHalves(guide(Kind::fine, {{0, 0}, {10, 0}, {400, 0}}, clip.get()));
    EXPECT_EQ(longHalves.pointCount(), 12 + 2 * PBrushGenerator::maxFinePointsPerHalf);
}

TEST(BrushFine, GravityTurnsOffsetsVertical)
{
    auto clip = pattern();
    const double s = std::sqrt(0.5), onGuide = alongStraightGuide(1, 10 * std::sqrt(2.0)) * s;
    auto in = guide(Kind::fine, {{0, 0}, {10, 10}}, clip.get());
    expectAt(Generated(in).point(0, 1), onGuide + s, onGuide - s); // across the diagonal
    in.hangVertically = true;
    expectAt(Generated(in).point(0, 1), onGuide, onGuide - 1);

    // A vertical guide has no side to hang from: the pattern lies flat on it.
    auto upright = guide(Kind::fine, {{0, 0}, {0, 10}}, clip.get());
    upright.hangVertically = true;
    Generated flat(upright);
    for (int i = 0; i < flat.pointCount(); ++i)
        EXPECT_EQ(flat.point(0, i).x, 0.0f);
}

TEST(BrushGenerators, DegenerateGuidesAndHostileValuesStayFinite)
{
    auto clip = pattern();
    for (Kind kind : {Kind::area, Kind::thick, Kind::spray, Kind::fine})
    {
        EXPECT_FALSE(Generated(guide(kind, {{1, 1}}, clip.get())).made) << kind;
        EXPECT_TRUE(Generated(guide(kind, {{1, 1}, {1, 1}, {1, 1}}, clip.get())).allFinite()) << kind;
        auto huge = guide(kind, {{0, 0}, {10, 0}}, clip.get());
        huge.thickness = huge.largeness = 3e38f;
        EXPECT_TRUE(Generated(huge).allFinite()) << kind;
    }

    clip->clipSize = 1e-20f; // stamps almost no distance apart
    EXPECT_EQ(Generated(guide(Kind::spray, {{0, 0}, {10, 0}}, clip.get())).strokes.size(),
              PBrushGenerator::maxStampIntervals + 1);
}
