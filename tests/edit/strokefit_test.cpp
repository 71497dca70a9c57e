#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "edit/strokefit.h"
#include "model/bezier.h"

namespace
{
using Samples = std::vector<PStrokeFit::Sample>;
using Vec = PBezier::Vec<double>;

/** Samples every `spacing` pixels along a polyline, drawn at `speed` px/ms, each moved by up to
    `noise` pixels in x and y. */
Samples along(const std::vector<Vec>& corners, double spacing, double speed, double noise = 0, unsigned seed = 1)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> jitter(-noise, noise);
    Samples samples;
    double travelled = 0;
    for (size_t k = 0; k + 1 < corners.size(); ++k)
    {
        const Vec from = corners[k], to = corners[k + 1];
        const double length = PBezier::lengthOf(to - from);
        const int steps = std::max(1, static_cast<int>(std::lround(length / spacing)));
        for (int i = k == 0 ? 0 : 1; i <= steps; ++i)
        {
            const Vec p = from + (to - from) * (static_cast<double>(i) / steps);
            travelled += i == 0 ? 0 : length / steps;
            samples.push_back({static_cast<float>(p.x + jitter(random)), static_cast<float>(p.y + jitter(random)),
                               travelled / speed});
        }
    }
    return samples;
}

std::vector<Vec> arc(Vec centre, double radius, double fromDegrees, double toDegrees, int count)
{
    std::vector<Vec> points;
    for (int i = 0; i < count; ++i)
    {
        const double a = (fromDegrees + (toDegrees - fromDegrees) * i / (count - 1)) * std::numbers::pi / 180;
        points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    return points;
}

/** The curve the handle rule builds through the anchors, flattened in steps of a tenth of a
    pixel at most. */
std::vector<Vec> flattened(const PCurve::ControlList& anchors, bool closed)
{
    const PCurve::ControlList list = PCurve::controlList(anchors, closed);
    const auto at = [&](size_t i) { return Vec{list[i % list.size()].x, list[i % list.size()].y}; };
    std::vector<Vec> points{at(0)};
    for (size_t k = 0; 3 * k + 1 < list.size(); ++k)
    {
        const Vec a = at(3 * k), h1 = at(3 * k + 1), h2 = at(3 * k + 2), b = at(3 * k + 3);
        const double polygon = PBezier::lengthOf(h1 - a) + PBezier::lengthOf(h2 - h1) + PBezier::lengthOf(b - h2);
        const int steps = std::max(16, static_cast<int>(polygon / 0.1));
        for (int i = 1; i <= steps; ++i)
            points.push_back(PBezier::cubicAt(a, h1, h2, b, static_cast<double>(i) / steps));
    }
    return points;
}

double distanceTo(const std::vector<Vec>& polyline, Vec p)
{
    double best = PBezier::lengthOf(polyline.front() - p);
    for (size_t i = 1; i < polyline.size(); ++i)
    {
        const Vec chord = polyline[i] - polyline[i - 1], offset = p - polyline[i - 1];
        const double squared = chord.x * chord.x + chord.y * chord.y;
        const double along =
            squared > 0 ? std::clamp((offset.x * chord.x + offset.y * chord.y) / squared, 0.0, 1.0) : 0;
        best = std::min(best, PBezier::lengthOf(offset - chord * along));
    }
    return best;
}

double farthestSample(const PStrokeFit::Result& result, const Samples& samples)
{
    const std::vector<Vec> curve = flattened(result.anchors, result.closed);
    double farthest = 0;
    for (const auto& s : samples)
        farthest = std::max(farthest, distanceTo(curve, {s.x, s.y}));
    return farthest;
}

constexpr double tolerance = 0.5;
/** What a sub-pixel flattening of the test's own may add to a distance. */
constexpr double measuring = 1e-3;
} // namespace

TEST(StrokeFit, StraightStrokeNeedsOnlyItsTwoEnds)
{
    // Jitter of up to 0.3 px across the stroke: on a diagonal, 0.2 px in x and y does that.
    const struct
    {
        Vec from, to;
        double jitter;
    } lines[] = {{{0, 0}, {200, 0}, 0.3}, {{40, 180}, {40, 10}, 0.3}, {{10, 10}, {150, 130}, 0.2}};
    for (const auto& line : lines)
        for (unsigned seed = 0; seed < 20; ++seed)
        {
            const auto result =
                PStrokeFit::fit(along({line.from, line.to}, 2, 1, seed == 0 ? 0 : line.jitter, seed), {});
            ASSERT_EQ(result.anchors.size(), 2u) << "seed " << seed;
            EXPECT_FALSE(result.closed);
            // The ends stay where the stroke began and ended, give or take the jitter.
            EXPECT_LT(PBezier::lengthOf(Vec{result.anchors[0].x, result.anchors[0].y} - line.from), 0.5);
            EXPECT_LT(PBezier::lengthOf(Vec{result.anchors[1].x, result.anchors[1].y} - line.to), 0.5);
        }
}

TEST(StrokeFit, CircleClosesWithFewAnchorsThatStayWithinTolerance)
{
    // 200 samples round a circle 400 px across: the last one 6.3 px short of the first.
    Samples samples;
    for (const Vec& p : arc({250, 250}, 200, 0, 358.2, 200))
        samples.push_back({static_cast<float>(p.x), static_cast<float>(p.y), samples.size() * 5.0});
    const auto result = PStrokeFit::fit(samples, {});
    EXPECT_TRUE(result.closed);
    EXPECT_GE(result.anchors.size(), 4u);
    EXPECT_LE(result.anchors.size(), 12u);
    for (const auto& anchor : result.anchors)
        EXPECT_EQ(anchor.sharpness, 0);
    const double farthest = farthestSample(result, samples);
    EXPECT_LE(farthest, tolerance + measuring);
    EXPECT_LE(result.largestDeviation, tolerance);
    EXPECT_GE(result.largestDeviation + measuring, farthest) << "the reported deviation hides a sample";
}

TEST(StrokeFit, EverySampleOfAWigglyStrokeStaysWithinTolerance)
{
    for (unsigned seed = 1; seed <= 8; ++seed)
    {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> amplitude(2, 40), frequency(0.005, 0.08);
        const double a1 = amplitude(random), f1 = frequency(random), a2 = amplitude(random) / 4, f2 = frequency(random);
        std::vector<Vec> path;
        for (int i = 0; i < 600; ++i)
            path.push_back({i * 0.8, a1 * std::sin(i * f1) + a2 * std::sin(i * f2 * 3)});
        const Samples samples = along(path, 1.5, 1, seed % 2 == 0 ? 0.2 : 0.0, seed);
        const auto result = PStrokeFit::fit(samples, {});
        EXPECT_LE(farthestSample(result, samples), tolerance + measuring) << "seed " << seed;
        EXPECT_LE(result.largestDeviation, tolerance) << "seed " << seed;
        EXPECT_LT(result.anchors.size(), samples.size() / 4) << "seed " << seed;
    }
}

TEST(StrokeFit, SharpTurnsBecomeCornerAnchors)
{
    const std::vector<Vec> zee = {{0, 0}, {120, 0}, {0, 120}, {120, 120}};
    const auto clean = PStrokeFit::fit(along(zee, 2, 1), {});
    ASSERT_EQ(clean.anchors.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
    {
        EXPECT_EQ(clean.anchors[i].sharpness, i == 1 || i == 2 ? 100 : 0) << i;
        EXPECT_LT(PBezier::lengthOf(Vec{clean.anchors[i].x, clean.anchors[i].y} - zee[i]), 0.01) << i;
    }

    // Jitter may cost a smooth anchor here and there, but it neither hides a corner nor makes one.
    for (unsigned seed = 1; seed <= 10; ++seed)
    {
        std::vector<Vec> corners;
        for (const auto& anchor : PStrokeFit::fit(along(zee, 2, 1, 0.3, seed), {}).anchors)
            if (anchor.sharpness == 100)
                corners.push_back({anchor.x, anchor.y});
        ASSERT_EQ(corners.size(), 2u) << "seed " << seed;
        EXPECT_LT(PBezier::lengthOf(corners[0] - zee[1]), 0.5) << "seed " << seed;
        EXPECT_LT(PBezier::lengthOf(corners[1] - zee[2]), 0.5) << "seed " << seed;
    }

    // A square drawn back to its start: four corners, closed, whichever corner the pen began at.
    const auto square = PStrokeFit::fit(along({{50, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}, {48, 0}}, 2, 1), {});
    EXPECT_TRUE(square.closed);
    ASSERT_EQ(square.anchors.size(), 4u);
    for (const auto& anchor : square.anchors)
        EXPECT_EQ(anchor.sharpness, 100);
}

TEST(StrokeFit, SlowOrFirmStrokesAreThickerThanFastOrLightOnes)
{
    const std::vector<Vec> bow = arc({0, 0}, 60, 180, 360, 60);
    const auto inner = [](const PStrokeFit::Result& result)
    {
        std::vector<int> thickness;
        for (size_t i = 1; i + 1 < result.anchors.size(); ++i)
            thickness.push_back(result.anchors[i].thickness);
        return thickness;
    };
    const auto slow = PStrokeFit::fit(along(bow, 2, 0.1), {}), fast = PStrokeFit::fit(along(bow, 2, 4), {});
    ASSERT_GE(slow.anchors.size(), 3u);
    ASSERT_GE(fast.anchors.size(), 3u);
    for (const int t : inner(slow))
        EXPECT_EQ(t, 100); // 0.1 px/ms: below 0.2 px/ms the line is at its thickest
    for (const int t : inner(fast))
        EXPECT_EQ(t, 20); // 4 px/ms: beyond 3 px/ms the line is at its thinnest

    // A pen's pressure wins over the speed, and a sample without pressure borrows its neighbour's.
    Samples pressed = along(bow, 2, 4);
    for (auto& sample : pressed)
        sample.pressure = 0.5f;
    pressed[10].pressure = -1;
    for (const int t : inner(PStrokeFit::fit(pressed, {})))
        EXPECT_EQ(t, 58); // 15 + 85 * 0.5, rounded

    EXPECT_EQ(PStrokeFit::thicknessForSpeed(1.0), 52); // 100 - 80 * ln(1 / 0.2) / ln(3 / 0.2)
}

TEST(StrokeFit, TaperThinsOnlyTheEndsOfAnOpenStroke)
{
    const Samples slowBow = along(arc({0, 0}, 60, 180, 360, 60), 2, 0.1);
    const auto tapered = PStrokeFit::fit(slowBow, {});
    PStrokeFit::Options plain;
    plain.taper = false;
    const auto blunt = PStrokeFit::fit(slowBow, plain);
    ASSERT_EQ(tapered.anchors.size(), blunt.anchors.size());
    EXPECT_EQ(tapered.anchors.front().thickness, 15); // 15 % of the neighbouring 100
    EXPECT_EQ(tapered.anchors.back().thickness, 15);
    EXPECT_EQ(blunt.anchors.front().thickness, 100);
    EXPECT_EQ(blunt.anchors.back().thickness, 100);

    // Thin ends never vanish, however thin the stroke beside them.
    Samples light = slowBow;
    for (auto& sample : light)
        sample.pressure = 0;
    const auto faint = PStrokeFit::fit(light, {});
    EXPECT_EQ(faint.anchors.front().thickness, 2); // 15 % of 15, rounded

    // A closed curve has no ends to thin.
    Samples ring;
    for (const Vec& p : arc({0, 0}, 50, 0, 355, 90))
        ring.push_back({static_cast<float>(p.x), static_cast<float>(p.y), ring.size() * 40.0});
    const auto closed = PStrokeFit::fit(ring, {});
    ASSERT_TRUE(closed.closed);
    for (const auto& anchor : closed.anchors)
        EXPECT_EQ(anchor.thickness, 100);
}

TEST(StrokeFit, UnusableSamplesNeitherBreakNorColourTheFit)
{
    // A sample without a position is passed over; a stroke without usable times draws at the
    // ordinary 50 % rather than guessing a speed.
    Samples stroke = along({{0, 0}, {100, 0}}, 2, 1);
    for (auto& sample : stroke)
        sample.timeMs = 0;
    stroke[20].x = std::numeric_limits<float>::quiet_NaN();
    stroke[30].y = std::numeric_limits<float>::infinity();
    const auto result = PStrokeFit::fit(stroke, {});
    ASSERT_EQ(result.anchors.size(), 2u);
    EXPECT_LE(result.largestDeviation, tolerance);
    for (const auto& anchor : result.anchors)
        EXPECT_EQ(anchor.thickness, 50);
}

TEST(StrokeFit, ClicksAndShortHooksAddNothingOrStayOpen)
{
    EXPECT_TRUE(PStrokeFit::fit({}, {}).anchors.empty());
    EXPECT_TRUE(PStrokeFit::fit({{10, 10, 0}}, {}).anchors.empty());
    EXPECT_TRUE(PStrokeFit::fit({{10, 10, 0}, {10, 10, 16}}, {}).anchors.empty());
    Samples wiggle; // a hand holding still for a moment: many samples, never 2 px from the first
    for (int i = 0; i < 40; ++i)
        wiggle.push_back({10 + 0.7f * std::sin(i * 1.7f), 10 + 0.7f * std::cos(i * 2.3f), i * 8.0});
    EXPECT_TRUE(PStrokeFit::fit(wiggle, {}).anchors.empty());

    // Its end comes back within 8 px of its start, but a hook 21 px long is too short for a loop.
    const auto hook = PStrokeFit::fit(along({{0, 0}, {7, 0}, {7, 7}, {2, 2}}, 1, 1), {});
    EXPECT_FALSE(hook.anchors.empty());
    EXPECT_FALSE(hook.closed);
}
