#include "edit/strokefit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/bezier.h"

namespace
{
using Vec = PBezier::Vec<double>;
using Control = PCurve::Control;
using ControlList = PCurve::ControlList;

/** Consecutive samples closer than this are one pointer position reported twice. */
constexpr double duplicateDistance = 1e-3;
/** A loop is at least this many close distances long, so that a short hook stays open. */
constexpr double loopLengthFactor = 3.0;
/** The turn at a sample is measured between the stroke this far behind it and this far ahead. */
constexpr double cornerReach = 5.0;
constexpr double cornerAngle = 65.0 * std::numbers::pi / 180.0;
/** Over a window twice as wide a corner's turn stays; a tight bend's turn grows towards double. */
constexpr double cornerConcentration = 1.5;
/** Pointer jitter is calmed by a local fit over this much stroke on each side of a sample... */
constexpr double calmReach = 8.0;
/** ...which never moves the sample by more than this share of the tolerance. */
constexpr double calmShare = 0.5;
/** Densely sampled stroke needs no more neighbours than this on each side for the calming. */
constexpr int calmMostNeighbours = 8;
/** A corner sits where the lines through at least this much of its two legs meet... */
constexpr double cornerLegReach = 12.0;
/** ...or through as much more, up to this, as runs straight: no sample this far off the line. */
constexpr double longestLeg = 96.0;
constexpr double legStraightness = 0.75;
/** ...unless the legs run so nearly parallel (a hairpin) that their crossing means nothing. */
constexpr double leastCrossing = 0.34;
/** The stroke's bending is measured over this much stroke on each side of a sample. */
constexpr double bendReach = 6.0;
/** n equal segments of the handle rule round a circle of radius r stray about r (2 pi / n)^4 / 128
    from it, so a bend of curvature k needs (k^3 / (128 tolerance))^(1/4) anchors per pixel. */
constexpr double handleRuleError = 128.0;
constexpr double densitySafety = 1.1;
/** Anchors per pixel on straight stroke, which keeps the spreading defined. */
constexpr double leastDensity = 1e-4;
/** Rounds of adding anchors where the curve strays before falling back to one at a time. */
constexpr int densityRounds = 8;
/** Once the curve fits, fewer anchors are tried, each time this share of them. */
constexpr double thinning = 0.9;
constexpr int thinningRounds = 3;
/** A free end is moved to rescue a segment that strays by no more than this many tolerances. */
constexpr double nudgeable = 1.25;
/** Below this the tolerance is taken as this, to keep the density finite. */
constexpr double smallestTolerance = 1e-3;
/** How far a flattening used for distances may stray from its cubic, in pixels. */
constexpr double flatness = 0.01;
constexpr int mostSteps = 64;
/** Speed and pressure are averaged over this many samples on each side. */
constexpr int widthReach = 3;
constexpr double slowSpeed = 0.2, fastSpeed = 3.0;
constexpr double slowThickness = 100, fastThickness = 20;
constexpr double lightThickness = 15, firmThickness = 100;
/** Without usable times a stroke keeps the anchors' ordinary thickness. */
constexpr uint16_t plainThickness = 50;
/** A tapered end keeps this share of its neighbour's thickness, and at least 1 percent. */
constexpr double taperShare = 0.15;
constexpr uint16_t cornerSharpness = 100;
constexpr int noIndex = std::numeric_limits<int>::min();

double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y;
}

double squaredLength(Vec v)
{
    return dot(v, v);
}

// Pixel coordinates never come near overflow, so the plain square root serves (std::hypot costs
// several times more, and the fit takes many lengths).
double norm(Vec v)
{
    return std::sqrt(dot(v, v));
}

Vec unit(Vec v)
{
    const double l = norm(v);
    return l > 0 ? v * (1 / l) : Vec{};
}

Vec vecOf(const Control& c)
{
    return {c.x, c.y};
}

Control controlAt(Vec v, uint16_t sharpness)
{
    Control c;
    c.x = static_cast<float>(v.x);
    c.y = static_cast<float>(v.y);
    c.sharpness = sharpness;
    return c;
}

/** The samples the fit works on: finite, without repeats, a loop's seam merged. */
struct Stroke
{
    std::vector<Vec> points;
    std::vector<double> times;
    std::vector<float> pressures;
    bool closed = false;

    size_t size() const { return points.size(); }
    void truncate(size_t n)
    {
        points.resize(n);
        times.resize(n);
        pressures.resize(n);
    }
};

Stroke distinctSamples(const std::vector<PStrokeFit::Sample>& samples)
{
    Stroke stroke;
    for (const auto& sample : samples)
    {
        const Vec p{sample.x, sample.y};
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            continue;
        if (!stroke.points.empty() && norm(p - stroke.points.back()) < duplicateDistance)
            continue;
        stroke.points.push_back(p);
        stroke.times.push_back(sample.timeMs);
        stroke.pressures.push_back(std::isfinite(sample.pressure) ? sample.pressure : -1.0f);
    }
    return stroke;
}

std::vector<double> arcLengths(const std::vector<Vec>& points)
{
    std::vector<double> arc(points.size(), 0.0);
    for (size_t i = 1; i < points.size(); ++i)
        arc[i] = arc[i - 1] + norm(points[i] - points[i - 1]);
    return arc;
}

double farthestFromStart(const std::vector<Vec>& points)
{
    double farthest = 0;
    for (const Vec& p : points)
        farthest = std::max(farthest, norm(p - points.front()));
    return farthest;
}

/** A stroke that goes away and comes back to its start is closed: its tail is cut where it
    passes nearest the start, dropping any overshoot, and that sample is merged into the start. */
void closeIfLoop(Stroke& stroke, double closeDistance)
{
    const auto& p = stroke.points;
    const auto away = [&](size_t i) { return norm(p[i] - p.front()); };
    if (!(away(p.size() - 1) <= closeDistance) || !(farthestFromStart(p) > closeDistance) ||
        !(arcLengths(p).back() > loopLengthFactor * closeDistance))
        return;
    size_t nearest = p.size() - 1;
    for (size_t i = p.size() - 1; i > 0 && away(i) <= closeDistance; --i)
        if (away(i) < away(nearest))
            nearest = i;
    if (nearest < 3)
        return; // too little would be left for a loop
    const Vec merged = (p.front() + p[nearest]) * 0.5;
    stroke.truncate(nearest);
    while (stroke.size() > 1 && norm(stroke.points.back() - merged) < duplicateDistance)
        stroke.truncate(stroke.size() - 1);
    stroke.points.front() = merged;
    if (stroke.size() > 1 && norm(stroke.points[1] - merged) < duplicateDistance)
    {
        stroke.points.erase(stroke.points.begin() + 1);
        stroke.times.erase(stroke.times.begin() + 1);
        stroke.pressures.erase(stroke.pressures.begin() + 1);
    }
    stroke.closed = stroke.size() >= 3;
}

std::vector<uint16_t> pressureThicknesses(const Stroke& stroke)
{
    // A sample without pressure borrows its nearest neighbour's.
    std::vector<float> pressure = stroke.pressures;
    for (size_t i = 1; i < pressure.size(); ++i)
        if (pressure[i] < 0)
            pressure[i] = pressure[i - 1];
    for (size_t i = pressure.size() - 1; i-- > 0;)
        if (pressure[i] < 0)
            pressure[i] = pressure[i + 1];
    const int n = static_cast<int>(pressure.size());
    std::vector<uint16_t> widths(pressure.size());
    for (int i = 0; i < n; ++i)
    {
        const int lo = std::max(0, i - widthReach), hi = std::min(n - 1, i + widthReach);
        double sum = 0;
        for (int j = lo; j <= hi; ++j)
            sum += pressure[static_cast<size_t>(j)];
        widths[static_cast<size_t>(i)] = PStrokeFit::thicknessForPressure(static_cast<float>(sum / (hi - lo + 1)));
    }
    return widths;
}

std::vector<uint16_t> speedThicknesses(const Stroke& stroke)
{
    const std::vector<double> arc = arcLengths(stroke.points);
    const int n = static_cast<int>(stroke.size());
    std::vector<uint16_t> widths(stroke.size(), plainThickness);
    for (int i = 0; i < n; ++i)
    {
        const auto lo = static_cast<size_t>(std::max(0, i - widthReach));
        const auto hi = static_cast<size_t>(std::min(n - 1, i + widthReach));
        const double elapsed = stroke.times[hi] - stroke.times[lo];
        if (std::isfinite(elapsed) && elapsed > 0)
            widths[static_cast<size_t>(i)] = PStrokeFit::thicknessForSpeed((arc[hi] - arc[lo]) / elapsed);
    }
    return widths;
}

std::vector<uint16_t> sampleThicknesses(const Stroke& stroke)
{
    const bool pressed = std::any_of(stroke.pressures.begin(), stroke.pressures.end(), [](float p) { return p >= 0; });
    return pressed ? pressureThicknesses(stroke) : speedThicknesses(stroke);
}

/** The stroke as the fit sees it. A closed stroke repeats its first sample at the end; a
    corner-free loop also reads indices beyond either end around the loop. */
struct Path
{
    std::vector<Vec> raw, calm;
    std::vector<double> arc;
    int count = 0;
    int last = 0;
    double total = 0;
    bool wraps = false;

    Path() = default;
    Path(const std::vector<Vec>& points, bool closed, bool wrapping)
        : raw(points), count(static_cast<int>(points.size())), wraps(wrapping)
    {
        if (closed)
            raw.push_back(points.front());
        arc = arcLengths(raw);
        calm = raw;
        last = static_cast<int>(raw.size()) - 1;
        total = arc.back();
    }

    size_t slot(int i) const
    {
        if (i >= 0 && i <= last)
            return static_cast<size_t>(i);
        return static_cast<size_t>((i % count + count) % count);
    }
    Vec rawAt(int i) const { return raw[slot(i)]; }
    Vec calmAt(int i) const { return calm[slot(i)]; }
    double arcAt(int i) const
    {
        if (i >= 0 && i <= last)
            return arc[static_cast<size_t>(i)];
        const int turns = i >= 0 ? i / count : -((count - 1 - i) / count);
        return arc[slot(i)] + turns * total;
    }
};

/** The cosine of the angle between the stroke's direction into sample i and out of it, each
    taken over `reach` pixels of stroke; 1 (no turn) where either side is shorter than `shortest`. */
double turnCosineAt(const Path& path, int i, double reach, double shortest)
{
    const int lowest = path.wraps ? i - path.count + 1 : 0;
    const int highest = path.wraps ? i + path.count - 1 : path.last;
    int back = i, ahead = i;
    while (back > lowest && path.arcAt(i) - path.arcAt(back) < reach)
        --back;
    while (ahead < highest && path.arcAt(ahead) - path.arcAt(i) < reach)
        ++ahead;
    if (path.arcAt(i) - path.arcAt(back) < shortest || path.arcAt(ahead) - path.arcAt(i) < shortest)
        return 1;
    const Vec in = unit(path.rawAt(i) - path.rawAt(back)), out = unit(path.rawAt(ahead) - path.rawAt(i));
    return std::clamp(dot(in, out), -1.0, 1.0);
}

/** Samples where the stroke turns sharply within a few pixels; each cluster of such samples
    keeps its sharpest. A tight bend turns as sharply but keeps turning, and is no corner. */
std::vector<int> findCorners(const Path& path)
{
    const int n = path.count;
    std::vector<double> turns(static_cast<size_t>(n), 0.0);
    const double cornerCosine = std::cos(cornerAngle);
    for (int i = 0; i < n; ++i)
    {
        const double cosine = turnCosineAt(path, i, cornerReach, cornerReach / 2);
        if (cosine > cornerCosine)
            continue;
        const double turn = std::acos(cosine);
        if (std::acos(turnCosineAt(path, i, 2 * cornerReach, 0)) < cornerConcentration * turn)
            turns[static_cast<size_t>(i)] = turn;
    }
    const auto start = std::find(turns.begin(), turns.end(), 0.0);
    if (start == turns.end())
        return {};
    const int first = static_cast<int>(start - turns.begin());
    const auto turnOf = [&](int step) { return turns[static_cast<size_t>((first + step) % n)]; };
    const auto arcOf = [&](int step) { return path.arcAt(first + step); };
    std::vector<int> corners;
    for (int step = 0; step < n; ++step)
    {
        if (turnOf(step) == 0)
            continue;
        // Jitter can drop a sample in the middle of one corner below the threshold, so
        // candidates closer together than the measuring reach are one corner.
        int sharpest = step, latest = step;
        for (int next = step + 1; next < n && arcOf(next) - arcOf(latest) < cornerReach; ++next)
            if (turnOf(next) > 0)
            {
                latest = next;
                if (turnOf(next) > turnOf(sharpest))
                    sharpest = next;
            }
        step = latest;
        corners.push_back((first + sharpest) % n);
    }
    std::sort(corners.begin(), corners.end());
    return corners;
}

/** Weighted least squares of y over x by a parabola or a line, read at x = 0. */
class GraphFit
{
public:
    void add(double x, double y, double w)
    {
        double power = w;
        for (int k = 0; k < 5; ++k, power *= x)
        {
            sums[k] += power;
            if (k < 3)
                moments[k] += power * y;
        }
    }

    /** The fitted y at x = 0; 0 when the points do not determine it. */
    double atOrigin(bool parabola) const
    {
        const double* s = sums;
        const double* r = moments;
        const double minor0 = s[2] * s[4] - s[3] * s[3], minor1 = s[1] * s[4] - s[3] * s[2],
                     minor2 = s[1] * s[3] - s[2] * s[2];
        const double det3 = s[0] * minor0 - s[1] * minor1 + s[2] * minor2;
        if (parabola && det3 > 1e-9 * s[0] * s[2] * s[4])
            return (r[0] * minor0 - s[1] * (r[1] * s[4] - s[3] * r[2]) + s[2] * (r[1] * s[3] - s[2] * r[2])) / det3;
        const double det2 = s[0] * s[2] - s[1] * s[1];
        if (det2 > 1e-9 * s[0] * s[2])
            return (r[0] * s[2] - s[1] * r[1]) / det2;
        return 0;
    }

private:
    double sums[5] = {};
    double moments[3] = {};
};

/** Sample i moved across the stroke onto a weighted fit of its neighbours within calmReach,
    never leaving [lo, hi]: a parabola where it has neighbours on both sides, which follows a
    bend without flattening it, and a line at an end. */
Vec calmed(const Path& path, int i, int lo, int hi, double largestShift)
{
    int back = i, ahead = i;
    while (back > lo && i - back < calmMostNeighbours && path.arcAt(i) - path.arcAt(back - 1) < calmReach)
        --back;
    while (ahead < hi && ahead - i < calmMostNeighbours && path.arcAt(ahead + 1) - path.arcAt(i) < calmReach)
        ++ahead;
    const Vec p = path.rawAt(i);
    const Vec along = unit(path.rawAt(ahead) - path.rawAt(back));
    if (ahead - back < 2 || norm(along) == 0)
        return p;
    const Vec across{-along.y, along.x};
    GraphFit fit;
    for (int j = back; j <= ahead; ++j)
    {
        const double d = std::abs(path.arcAt(j) - path.arcAt(i)) / calmReach, near = 1 - d * d * d;
        fit.add(dot(path.rawAt(j) - p, along), dot(path.rawAt(j) - p, across), near * near * near);
    }
    const bool parabola = i - back >= 2 && ahead - i >= 2;
    return p + across * std::clamp(fit.atOrigin(parabola), -largestShift, largestShift);
}

struct Line
{
    Vec centre, direction;
};

/** The line that fits the points best in the least-squares sense, and the farthest any point
    lies from it. */
std::pair<Line, double> lineThrough(const std::vector<Vec>& points)
{
    Vec centre;
    for (const Vec& p : points)
        centre = centre + p * (1.0 / static_cast<double>(points.size()));
    double xx = 0, xy = 0, yy = 0;
    for (const Vec& p : points)
    {
        const Vec d = p - centre;
        xx += d.x * d.x, xy += d.x * d.y, yy += d.y * d.y;
    }
    const double angle = 0.5 * std::atan2(2 * xy, xx - yy);
    const Line line{centre, {std::cos(angle), std::sin(angle)}};
    double farthest = 0;
    for (const Vec& p : points)
        farthest =
            std::max(farthest, std::abs((p.x - centre.x) * line.direction.y - (p.y - centre.y) * line.direction.x));
    return {line, farthest};
}

/** The line of a corner's leg: the samples from `from` (excluded) towards `stop` (excluded),
    over the longest of cornerLegReach, twice that and so on that still runs straight; the
    longer the leg, the less the pointer's jitter moves the corner. A zero direction when
    fewer than two samples lie there. */
Line legLine(const Path& path, int from, int stop)
{
    const int step = stop > from ? 1 : -1;
    Line leg;
    std::vector<Vec> points;
    int j = from + step;
    for (double reach = cornerLegReach; reach <= longestLeg; reach *= 2)
    {
        for (; j != stop && std::abs(path.arcAt(j) - path.arcAt(from)) <= reach; j += step)
            points.push_back(path.rawAt(j));
        if (points.size() < 2)
            return {};
        const auto [line, farthest] = lineThrough(points);
        if (reach > cornerLegReach && farthest > legStraightness)
            break;
        leg = line;
        if (j == stop)
            break;
    }
    return leg;
}

/** A corner where the lines of its legs meet: a pointer rounds and jitters the tip it draws. */
Vec sharpened(const Path& path, int corner, Line in, Line out, double largestShift)
{
    const Vec p = path.rawAt(corner);
    const double crossing = in.direction.x * out.direction.y - in.direction.y * out.direction.x;
    if (!(std::abs(crossing) > leastCrossing))
        return p;
    const Vec between = out.centre - in.centre;
    const double t = (between.x * out.direction.y - between.y * out.direction.x) / crossing;
    const Vec shift = in.centre + in.direction * t - p;
    const double length = norm(shift);
    return length > largestShift ? p + shift * (largestShift / length) : p + shift;
}

struct Cubic
{
    Vec a, h1, h2, b;

    Vec at(double t) const { return PBezier::cubicAt(a, h1, h2, b, t); }
};

/** Distances from samples, taken in stroke order, to one cubic, through a flattening fine
    enough that it never strays more than `slack` from the curve. Adding the slack to the
    distance from the flattening keeps every figure at or above the true distance. */
class Nearest
{
public:
    explicit Nearest(const Cubic& c) : cubic(c)
    {
        // |B''| never exceeds 6 times the larger second difference of the control points, and a
        // chord over a parameter step h strays at most h^2 / 8 of that from the curve.
        const double bend = 6 * std::max(norm(c.a - c.h1 * 2 + c.h2), norm(c.h1 - c.h2 * 2 + c.b));
        steps = std::clamp(static_cast<int>(std::ceil(std::sqrt(bend / (8 * flatness)))), 1, mostSteps);
        slack = bend / (8.0 * steps * steps);
    }

    /** Where along the cubic, from 0 to 1, the walk for the next sample starts. */
    void startNear(double share) { hint = std::clamp(static_cast<int>(share * steps), 0, steps - 1); }

    double distanceTo(Vec p)
    {
        double here = squaredToChord(hint, p);
        for (double next; hint + 1 < steps && (next = squaredToChord(hint + 1, p)) < here; ++hint)
            here = next;
        for (double next; hint > 0 && (next = squaredToChord(hint - 1, p)) < here; --hint)
            here = next;
        return std::sqrt(here) + slack;
    }

private:
    /** Vertices are worked out as the walks reach them: a segment with few samples needs few. */
    Vec vertex(int k)
    {
        const auto i = static_cast<size_t>(k);
        if (!known[i])
            vertices[i] = cubic.at(static_cast<double>(k) / steps), known[i] = true;
        return vertices[i];
    }

    double squaredToChord(int k, Vec p)
    {
        const Vec from = vertex(k), chord = vertex(k + 1) - from;
        const double length = squaredLength(chord);
        const double along = length > 0 ? std::clamp(dot(p - from, chord) / length, 0.0, 1.0) : 0.0;
        return squaredLength(from + chord * along - p);
    }

    Cubic cubic;
    std::array<Vec, mostSteps + 1> vertices;
    std::array<bool, mostSteps + 1> known{};
    int steps = 0;
    double slack = 0;
    int hint = 0;
};

/** The sample farthest from a curve, and how far. */
struct Worst
{
    double deviation = 0;
    int index = noIndex;
};

/** The sample strictly between a and b farthest from the cubic; stops at the first beyond the limit. */
Worst farthestBetween(const Path& path, const Cubic& cubic, int a, int b, double limit)
{
    Nearest nearest(cubic);
    nearest.startNear((path.arcAt(a + 1) - path.arcAt(a)) / (path.arcAt(b) - path.arcAt(a)));
    Worst worst;
    for (int j = a + 1; j < b; ++j)
    {
        const double d = nearest.distanceTo(path.rawAt(j));
        if (d > worst.deviation)
            worst = {d, j};
        if (d > limit)
            break;
    }
    return worst;
}

/** An anchor of the finished curve: the sample it stands for, where it stands, and whether it
    is a corner. */
struct Anchor
{
    int index = 0;
    Vec at;
    bool corner = false;
};

/** How a piece of stroke ends: at an end of an open stroke, at a corner, or joined to its own
    start (a loop without corners). */
enum class End
{
    free,
    corner,
    joined
};

/** Chooses the anchors of one piece of stroke. The handle rule turns an anchor's handles along
    the line between its neighbours, so a curve through unevenly spread anchors leans at each of
    them; the anchors are therefore spread by how sharply the stroke bends, more of them spread
    again wherever the built curve still strays, then as many taken away as the curve allows. */
class PieceFitter
{
public:
    PieceFitter(const Path& p, int firstIndex, int lastIndex, End start, End end, double limit)
        : path(p), first(firstIndex), last(lastIndex), startEnd(start), endEnd(end), tolerance(limit)
    {
    }

    std::vector<Anchor> anchors()
    {
        std::vector<double> density = bendDensity();
        bool fitted = false;
        for (int round = 0; round < densityRounds && !fitted; ++round)
        {
            place(density);
            const std::vector<size_t> failing = failingSegments();
            fitted = failing.empty();
            for (const size_t k : failing)
                addAnchorAround(density, k);
        }
        if (fitted)
            thin(density);
        else
            repair();
        prune();
        std::vector<Anchor> result;
        for (const int i : chosen)
            result.push_back({i, positionOf(i), isCorner(i)});
        return result;
    }

private:
    bool loops() const { return startEnd == End::joined; }
    bool isCorner(int i) const
    {
        return (i == first && startEnd == End::corner) || (i == last && endEnd == End::corner);
    }
    size_t segmentCount() const { return chosen.size() - 1; }
    size_t local(int i) const { return loops() ? path.slot(i) : static_cast<size_t>(i - first); }
    Vec positionOf(int i) const;
    Vec fittedEnd(int end, int neighbour) const;
    void refitEnds();
    Cubic cubicFor(int previous, int a, int b, int next);
    Worst segmentWorst(size_t k, double limit);
    size_t neighbourSegment(size_t k, int offset) const;
    std::vector<double> bendDensity() const;
    void place(const std::vector<double>& density);
    std::vector<size_t> failingSegments();
    void addAnchorAround(std::vector<double>& density, size_t k) const;
    void thin(const std::vector<double>& density);
    void repair();
    double endSegmentsWorst(bool start);
    void nudgeEnd(bool start);
    Worst strayingAround(size_t k);
    std::array<int, 6> endAnchors() const;
    bool fitsAround(size_t k);
    void prune();

    const Path& path;
    const int first, last;
    const End startEnd, endEnd;
    const double tolerance;
    std::vector<int> chosen;
    /** A free end's position, fitted to its segment towards `neighbour`. */
    struct FreeEnd
    {
        Vec at;
        int neighbour = noIndex;
    };
    FreeEnd startFree, endFree;
    /** The anchors nearest both ends when moving the ends last failed, not to try again in vain. */
    std::array<int, 6> endsTried{};
    ControlList buffer;
};

Vec PieceFitter::positionOf(int i) const
{
    if (i == first && startEnd == End::free)
        return startFree.at;
    if (i == last && endEnd == End::free)
        return endFree.at;
    return path.calmAt(i);
}

/** A free end placed on a parabola through all the samples of its segment, so that jitter in
    the stroke's last few samples does not tilt the whole segment. */
Vec PieceFitter::fittedEnd(int end, int neighbour) const
{
    constexpr int fewestSamples = 5;
    const Vec origin = path.rawAt(end);
    const double chord = norm(path.rawAt(neighbour) - origin);
    if (std::abs(neighbour - end) + 1 < fewestSamples || chord == 0)
        return path.calmAt(end);
    const Vec along = unit(path.rawAt(neighbour) - origin), across{-along.y, along.x};
    const int step = neighbour > end ? 1 : -1;
    GraphFit fit;
    for (int j = end; j != neighbour + step; j += step)
    {
        const Vec d = path.rawAt(j) - origin;
        const double x = dot(d, along);
        if (x < -tolerance || x > chord + tolerance)
            return path.calmAt(end); // the segment doubles back: no parabola describes it
        fit.add(x, dot(d, across), 1.0);
    }
    const double largestShift = tolerance * calmShare;
    return origin + across * std::clamp(fit.atOrigin(true), -largestShift, largestShift);
}

void PieceFitter::refitEnds()
{
    if (startEnd == End::free && startFree.neighbour != chosen[1])
        startFree = {fittedEnd(first, chosen[1]), chosen[1]};
    if (endEnd == End::free && endFree.neighbour != chosen[chosen.size() - 2])
        endFree = {fittedEnd(last, chosen[chosen.size() - 2]), chosen[chosen.size() - 2]};
}

/** The larger deviation of the two segments that a free end shapes: its own, and through its
    neighbour's handles the next. */
double PieceFitter::endSegmentsWorst(bool start)
{
    constexpr double unlimited = std::numeric_limits<double>::infinity();
    const size_t count = segmentCount(), own = start ? 0 : count - 1;
    double worst = segmentWorst(own, unlimited).deviation;
    if (count > 1)
        worst = std::max(worst, segmentWorst(start ? 1 : count - 2, unlimited).deviation);
    return worst;
}

/** Moves a free end across the stroke to where its segments stray least. The fitted parabola
    minimises the squared deviations, but the tolerance bounds the largest one, and a straight
    stroke of evenly jittered samples often fits only with its ends set for that. */
void PieceFitter::nudgeEnd(bool start)
{
    constexpr double golden = 0.6180339887498949;
    constexpr int steps = 6;
    FreeEnd& end = start ? startFree : endFree;
    const Vec origin = path.rawAt(start ? first : last);
    const Vec along = unit(path.rawAt(end.neighbour) - origin), across{-along.y, along.x};
    const double reach = tolerance * calmShare;
    Vec best = end.at;
    double least = endSegmentsWorst(start);
    const auto strayAt = [&](double u)
    {
        end.at = origin + across * u;
        const double worst = endSegmentsWorst(start);
        if (worst < least)
            least = worst, best = end.at;
        return worst;
    };
    double lo = -reach, hi = reach, x1 = hi - golden * (hi - lo), x2 = lo + golden * (hi - lo);
    double f1 = strayAt(x1), f2 = strayAt(x2);
    for (int i = 0; i < steps; ++i)
        if (f1 < f2)
            hi = x2, x2 = x1, f2 = f1, x1 = hi - golden * (hi - lo), f1 = strayAt(x1);
        else
            lo = x1, x1 = x2, f1 = f2, x2 = lo + golden * (hi - lo), f2 = strayAt(x2);
    end.at = best;
}

/** The cubic from anchor a to anchor b as the handle rule builds it from the anchors around. */
Cubic PieceFitter::cubicFor(int previous, int a, int b, int next)
{
    const bool cornerA = isCorner(a), cornerB = isCorner(b);
    const bool freeA = a == first && startEnd == End::free, freeB = b == last && endEnd == End::free;
    const Vec pa = positionOf(a), pb = positionOf(b);
    // A corner's handles follow its own chords alone, so any point stands in for the anchor beyond.
    buffer.clear();
    if (cornerA)
        buffer.push_back(controlAt(pa * 2.0 - pb, 0));
    else if (!freeA)
        buffer.push_back(controlAt(positionOf(previous), 0));
    const size_t start = 3 * buffer.size();
    buffer.push_back(controlAt(pa, cornerA ? cornerSharpness : 0));
    buffer.push_back(controlAt(pb, cornerB ? cornerSharpness : 0));
    if (cornerB)
        buffer.push_back(controlAt(pb * 2.0 - pa, 0));
    else if (!freeB)
        buffer.push_back(controlAt(positionOf(next), 0));
    const ControlList list = PCurve::controlList(buffer, false);
    return {vecOf(list[start]), vecOf(list[start + 1]), vecOf(list[start + 2]), vecOf(list[start + 3])};
}

Worst PieceFitter::segmentWorst(size_t k, double limit)
{
    if (chosen[k + 1] - chosen[k] < 2)
        return {}; // no sample lies between its anchors
    const size_t m = chosen.size();
    const int previous = k > 0 ? chosen[k - 1] : (loops() ? chosen[m - 2] - path.count : noIndex);
    const int next = k + 2 < m ? chosen[k + 2] : (loops() ? chosen[1] + path.count : noIndex);
    return farthestBetween(path, cubicFor(previous, chosen[k], chosen[k + 1], next), chosen[k], chosen[k + 1], limit);
}

/** The segment `offset` places from k, around the loop; segmentCount() when there is none. */
size_t PieceFitter::neighbourSegment(size_t k, int offset) const
{
    const int count = static_cast<int>(segmentCount());
    const int j = static_cast<int>(k) + offset;
    if (loops())
        return static_cast<size_t>((j % count + count) % count);
    return j >= 0 && j < count ? static_cast<size_t>(j) : segmentCount();
}

/** Anchors per pixel of stroke that the bend at each sample asks for. */
std::vector<double> PieceFitter::bendDensity() const
{
    const double scale = densitySafety / std::pow(handleRuleError * std::max(tolerance, smallestTolerance), 0.25);
    std::vector<double> density(static_cast<size_t>(last - first + 1), -1.0);
    for (int i = first; i <= last; ++i)
    {
        const int lo = loops() ? i - path.count + 1 : first, hi = loops() ? i + path.count - 1 : last;
        int back = i, ahead = i;
        while (back > lo && path.arcAt(i) - path.arcAt(back) < bendReach)
            --back;
        while (ahead < hi && path.arcAt(ahead) - path.arcAt(i) < bendReach)
            ++ahead;
        // Near an end one side is too short to tell a bend from jitter.
        if (path.arcAt(i) - path.arcAt(back) < bendReach || path.arcAt(ahead) - path.arcAt(i) < bendReach)
            continue;
        // The sine of the turn stands in for the angle (Menger's curvature), rising on past a
        // right angle so that a sharper turn never reads as a gentler one.
        const Vec in = unit(path.calmAt(i) - path.calmAt(back)), out = unit(path.calmAt(ahead) - path.calmAt(i));
        const double sine = std::abs(in.x * out.y - in.y * out.x);
        const double turn = dot(in, out) >= 0 ? sine : 2 - sine;
        const double curvature = 2 * turn / (path.arcAt(ahead) - path.arcAt(back));
        density[static_cast<size_t>(i - first)] = scale * std::sqrt(curvature * std::sqrt(curvature)); // k^(3/4)
    }
    // Samples near the ends take their neighbours' density.
    for (size_t i = 1; i < density.size(); ++i)
        if (density[i] < 0)
            density[i] = density[i - 1];
    for (size_t i = density.size() - 1; i-- > 0;)
        if (density[i] < 0)
            density[i] = density[i + 1];
    for (double& d : density)
        d = std::max(d, leastDensity);
    return density;
}

/** Spreads anchors so that each segment holds an equal share of the density. */
void PieceFitter::place(const std::vector<double>& density)
{
    const int n = last - first;
    std::vector<double> mass(static_cast<size_t>(n) + 1, 0.0);
    for (size_t i = 1; i < mass.size(); ++i)
    {
        const int at = first + static_cast<int>(i);
        mass[i] = mass[i - 1] + 0.5 * (density[i - 1] + density[i]) * (path.arcAt(at) - path.arcAt(at - 1));
    }
    const int fewestSegments = loops() ? 3 : 1;
    const int segments = std::max(fewestSegments, static_cast<int>(std::ceil(mass.back())));
    chosen.assign(1, first);
    size_t j = 0;
    for (int k = 1; k < segments; ++k)
    {
        const double target = mass.back() * k / segments;
        while (j + 1 < mass.size() - 1 && mass[j + 1] < target)
            ++j;
        const size_t nearer = target - mass[j] < mass[j + 1] - target ? j : j + 1;
        const int index = first + static_cast<int>(nearer);
        if (index > chosen.back() && index < last)
            chosen.push_back(index);
    }
    chosen.push_back(last);
    refitEnds();
}

std::vector<size_t> PieceFitter::failingSegments()
{
    std::vector<size_t> failing;
    for (size_t k = 0; k < segmentCount(); ++k)
        if (segmentWorst(k, tolerance).deviation > tolerance)
            failing.push_back(k);
    return failing;
}

/** Adds one anchor's worth of density over segment k and half of each neighbour, peaking in
    its middle, so that the spacing shrinks there gradually rather than in a step. */
void PieceFitter::addAnchorAround(std::vector<double>& density, size_t k) const
{
    const size_t m = chosen.size();
    const int a = chosen[k], b = chosen[k + 1];
    const int lo = k > 0 ? chosen[k - 1] : (loops() ? chosen[m - 2] - path.count : a);
    const int hi = k + 2 < m ? chosen[k + 2] : (loops() ? chosen[1] + path.count : b);
    const double from = path.arcAt(lo), to = path.arcAt(hi), peak = 0.5 * (path.arcAt(a) + path.arcAt(b));
    const double height = 2 / (to - from);
    for (int j = lo; j <= hi; ++j)
    {
        const double s = path.arcAt(j);
        const double share = s < peak ? (s - from) / (peak - from) : (to - s) / (to - peak);
        density[local(j)] += height * std::max(0.0, share);
    }
    if (loops())
        density.back() = density.front();
}

/** Tries fewer anchors, spread the same way, for as long as the curve still fits. */
void PieceFitter::thin(const std::vector<double>& density)
{
    std::vector<double> scaled = density;
    for (int round = 0; round < thinningRounds; ++round)
    {
        const std::vector<int> kept = chosen;
        for (double& d : scaled)
            d *= thinning;
        place(scaled);
        if (chosen.size() < kept.size() && failingSegments().empty())
            continue;
        chosen = kept;
        refitEnds();
        return;
    }
}

/** The fallback that always ends: an anchor at the worst sample of the worst segment, until
    every segment fits (at worst every sample is an anchor, and each lies within the tolerance). */
void PieceFitter::repair()
{
    constexpr double unlimited = std::numeric_limits<double>::infinity();
    std::vector<Worst> worst(segmentCount());
    for (size_t k = 0; k < worst.size(); ++k)
        worst[k] = segmentWorst(k, unlimited);
    for (;;)
    {
        const auto found = std::max_element(worst.begin(), worst.end(),
                                            [](const Worst& x, const Worst& y) { return x.deviation < y.deviation; });
        if (!(found->deviation > tolerance) || found->index == noIndex)
            return;
        const auto k = static_cast<size_t>(found - worst.begin());
        chosen.insert(chosen.begin() + static_cast<std::ptrdiff_t>(k) + 1, found->index);
        worst.insert(worst.begin() + static_cast<std::ptrdiff_t>(k) + 1, Worst{});
        refitEnds();
        // The new anchor reshapes its two segments and, through their handles, one on either side.
        for (int offset = -1; offset <= 2; ++offset)
            if (const size_t j = neighbourSegment(k, offset); j < segmentCount())
                worst[j] = segmentWorst(j, unlimited);
    }
}

/** The first segment around k that strays beyond the tolerance, and by how much; a deviation
    of 0 when none does. */
Worst PieceFitter::strayingAround(size_t k)
{
    // The merged segment first: it is the one most likely to stray.
    for (const int offset : {0, -1, 1})
        if (const size_t j = neighbourSegment(k, offset); j < segmentCount())
            if (const double d = segmentWorst(j, tolerance).deviation; d > tolerance)
                return {d, static_cast<int>(j)};
    return {};
}

/** The anchors that shape the segments either free end shapes. */
std::array<int, 6> PieceFitter::endAnchors() const
{
    const size_t m = chosen.size();
    const auto at = [&](size_t i) { return i < m ? chosen[i] : noIndex; };
    return {at(1), at(2), at(3), m >= 4 ? chosen[m - 4] : noIndex, at(m - 3), at(m - 2)};
}

/** Whether the segments around the one at k, which just lost its inner anchor, still fit,
    with a free end moved if that rescues the segment that strays. */
bool PieceFitter::fitsAround(size_t k)
{
    const Worst straying = strayingAround(k);
    if (straying.deviation == 0)
        return true;
    // Moving an end by a fraction of the tolerance only rescues a segment that barely strays.
    const auto segment = static_cast<size_t>(straying.index);
    const bool moveStart = startEnd == End::free && segment <= 1;
    const bool moveEnd = endEnd == End::free && segment + 2 >= segmentCount();
    if ((!moveStart && !moveEnd) || straying.deviation > nudgeable * tolerance || endsTried == endAnchors())
        return false;
    endsTried = endAnchors();
    // When both ends shape the segment, each move changes what suits the other: a second round.
    for (int round = moveStart && moveEnd ? 0 : 1; round < 2; ++round)
    {
        if (moveStart)
            nudgeEnd(true);
        if (moveEnd)
            nudgeEnd(false);
    }
    // A moved end also reshapes its own two segments, which need not be among those around k.
    return strayingAround(k).deviation == 0 && (!moveStart || endSegmentsWorst(true) <= tolerance) &&
           (!moveEnd || endSegmentsWorst(false) <= tolerance);
}

void PieceFitter::prune()
{
    // A loop keeps three anchors besides the repeated start, or it has no inside.
    const size_t fewest = loops() ? 4 : 2;
    for (size_t k = 1; k + 1 < chosen.size() && chosen.size() > fewest;)
    {
        const int removed = chosen[k];
        const FreeEnd keptStart = startFree, keptEnd = endFree;
        chosen.erase(chosen.begin() + static_cast<std::ptrdiff_t>(k));
        refitEnds();
        if (fitsAround(k - 1))
        {
            // The anchor before now has other handles and may be spared too.
            k = std::max<size_t>(1, k - 1);
            continue;
        }
        chosen.insert(chosen.begin() + static_cast<std::ptrdiff_t>(k), removed);
        startFree = keptStart, endFree = keptEnd;
        ++k;
    }
}

/** The stroke ready to fit: its path, the thickness at each sample, and the ends of the pieces
    fitted one by one. A closed stroke with corners starts at one, so that every piece runs
    from corner to corner; a closed stroke without corners is one piece joined to itself. */
struct Layout
{
    Path path;
    std::vector<uint16_t> widths;
    std::vector<int> breaks;
    std::vector<End> ends;
};

Layout layOut(const Stroke& stroke, std::vector<uint16_t> widths)
{
    Layout layout;
    layout.path = Path(stroke.points, stroke.closed, stroke.closed);
    const std::vector<int> corners = findCorners(layout.path);
    const int n = layout.path.count;
    if (!stroke.closed)
    {
        layout.breaks.push_back(0);
        layout.breaks.insert(layout.breaks.end(), corners.begin(), corners.end());
        layout.breaks.push_back(n - 1);
        layout.ends.assign(layout.breaks.size(), End::corner);
        layout.ends.front() = layout.ends.back() = End::free;
    }
    else if (corners.empty())
    {
        layout.breaks = {0, n};
        layout.ends = {End::joined, End::joined};
    }
    else
    {
        std::vector<Vec> points = stroke.points;
        const auto shift = static_cast<std::ptrdiff_t>(corners.front());
        std::rotate(points.begin(), points.begin() + shift, points.end());
        std::rotate(widths.begin(), widths.begin() + shift, widths.end());
        layout.path = Path(points, true, false);
        for (const int corner : corners)
            layout.breaks.push_back(corner - corners.front());
        layout.breaks.push_back(n);
        layout.ends.assign(layout.breaks.size(), End::corner);
    }
    layout.widths = std::move(widths);
    return layout;
}

void calmPieces(Layout& layout, double largestShift)
{
    Path& path = layout.path;
    if (layout.ends.front() == End::joined)
    {
        for (int i = 0; i < path.count; ++i)
            path.calm[static_cast<size_t>(i)] = calmed(path, i, i - path.count + 1, i + path.count - 1, largestShift);
        path.calm.back() = path.calm.front();
        return;
    }
    const std::vector<int>& breaks = layout.breaks;
    const size_t pieces = breaks.size() - 1;
    for (size_t k = 0; k < pieces; ++k)
    {
        const int lo = breaks[k], hi = breaks[k + 1];
        const int from = layout.ends[k] == End::corner ? lo + 1 : lo;
        const int to = layout.ends[k + 1] == End::corner ? hi - 1 : hi;
        for (int i = from; i <= to; ++i)
            path.calm[static_cast<size_t>(i)] = calmed(path, i, lo, hi, largestShift);
    }
    // A closed stroke's first and last breaks are one corner, its legs the last piece and the first.
    const bool closed = layout.ends.front() == End::corner;
    for (size_t k = closed ? 0 : 1; k < pieces; ++k)
    {
        const int before = k > 0 ? breaks[k - 1] : breaks[pieces - 1];
        const int corner = breaks[k], incoming = k > 0 ? corner : breaks[pieces];
        const Vec at = sharpened(path, corner, legLine(path, incoming, before), legLine(path, corner, breaks[k + 1]),
                                 largestShift);
        path.calm[static_cast<size_t>(corner)] = at;
        if (k == 0)
            path.calm.back() = at;
    }
}

/** The anchors, piece by piece; a closed stroke's repeated start dropped. */
std::vector<Anchor> fitPieces(const Layout& layout, double tolerance, bool closed)
{
    std::vector<Anchor> anchors;
    for (size_t k = 0; k + 1 < layout.breaks.size(); ++k)
    {
        PieceFitter fitter(layout.path, layout.breaks[k], layout.breaks[k + 1], layout.ends[k], layout.ends[k + 1],
                           tolerance);
        const std::vector<Anchor> piece = fitter.anchors();
        anchors.insert(anchors.end(), piece.begin() + (anchors.empty() ? 0 : 1), piece.end());
    }
    if (closed)
        anchors.pop_back();
    return anchors;
}

/** Thins both ends of an open stroke; with only two anchors there is no middle to thin towards. */
void taperEnds(ControlList& anchors)
{
    if (anchors.size() < 3)
        return;
    const auto thinned = [](uint16_t neighbour)
    { return static_cast<uint16_t>(std::max(1L, std::lround(neighbour * taperShare))); };
    anchors.front().thickness = thinned(anchors[1].thickness);
    anchors.back().thickness = thinned(anchors[anchors.size() - 2].thickness);
}

/** The farthest any sample lies from the segment of the finished curve that runs past it,
    measured as the fit measured it. */
float largestDeviation(const Path& path, const std::vector<Anchor>& at, const ControlList& anchors, bool closed)
{
    constexpr double unlimited = std::numeric_limits<double>::infinity();
    const ControlList list = PCurve::controlList(anchors, closed);
    const size_t segments = closed ? anchors.size() : anchors.size() - 1;
    double largest = 0;
    for (size_t k = 0; k < segments; ++k)
    {
        const Cubic cubic{vecOf(list[3 * k]), vecOf(list[3 * k + 1]), vecOf(list[3 * k + 2]),
                          vecOf(list[(3 * k + 3) % list.size()])};
        const int a = at[k].index, b = k + 1 < at.size() ? at[k + 1].index : path.count;
        largest = std::max(largest, farthestBetween(path, cubic, a, b, unlimited).deviation);
        // The anchors' own samples, which the calming may have moved the anchors off.
        Nearest nearest(cubic);
        largest = std::max(largest, nearest.distanceTo(path.rawAt(a)));
        if (!closed && k + 1 == segments)
        {
            nearest.startNear(1);
            largest = std::max(largest, nearest.distanceTo(path.rawAt(b)));
        }
    }
    return static_cast<float>(largest);
}
} // namespace

PStrokeFit::Result PStrokeFit::fit(const std::vector<Sample>& samples, const Options& options)
{
    Stroke stroke = distinctSamples(samples);
    if (stroke.size() < 2 || farthestFromStart(stroke.points) < options.minimumLength)
        return {};
    closeIfLoop(stroke, options.closeDistance);
    const double tolerance =
        std::isfinite(options.tolerance) ? std::max(0.0, static_cast<double>(options.tolerance)) : Options{}.tolerance;
    Layout layout = layOut(stroke, sampleThicknesses(stroke));
    calmPieces(layout, tolerance * calmShare);
    const std::vector<Anchor> at = fitPieces(layout, tolerance, stroke.closed);

    Result result;
    result.closed = stroke.closed;
    for (const Anchor& a : at)
    {
        Control anchor = controlAt(a.at, a.corner ? cornerSharpness : 0);
        anchor.thickness = layout.widths[static_cast<size_t>(a.index)];
        result.anchors.push_back(anchor);
    }
    if (options.taper && !stroke.closed)
        taperEnds(result.anchors);
    result.largestDeviation = largestDeviation(layout.path, at, result.anchors, stroke.closed);
    return result;
}

uint16_t PStrokeFit::thicknessForSpeed(double pixelsPerMs)
{
    if (!(pixelsPerMs > slowSpeed))
        return static_cast<uint16_t>(slowThickness);
    if (pixelsPerMs >= fastSpeed)
        return static_cast<uint16_t>(fastThickness);
    const double share = std::log(pixelsPerMs / slowSpeed) / std::log(fastSpeed / slowSpeed);
    return static_cast<uint16_t>(std::lround(slowThickness + share * (fastThickness - slowThickness)));
}

uint16_t PStrokeFit::thicknessForPressure(float pressure)
{
    const double p = std::isfinite(pressure) ? std::clamp(static_cast<double>(pressure), 0.0, 1.0) : 0.0;
    return static_cast<uint16_t>(std::lround(lightThickness + p * (firmThickness - lightThickness)));
}
