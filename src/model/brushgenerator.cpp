#include "model/brushgenerator.h"

#include <algorithm>
#include <cmath>

#include "model/bezier.h"
#include "model/brushrandom.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/point.h"

namespace
{
using Control = PCurve::Control;
using ControlList = PCurve::ControlList;
using Input = PBrushGenerator::Input;

constexpr double percent = 100.0;
/** Pattern offsets grow with the thickness parameter and the guide's width by this factor. */
constexpr double patternSpread = 4.0;
/** Even a ribbon of zero largeness keeps this half-width, so that it stays visible. */
constexpr double ribbonMinimumHalfWidth = 0.1;
constexpr uint16_t ribbonPointThickness = 50;
/** Chords per segment when measuring a guide: exact for straight segments, and far below
    a visible error for the gentle cubics that anchors produce. */
constexpr int lengthSamples = 32;
constexpr double pi = 3.14159265358979323846;
/** Below this vertical share of the normal, hanging offsets have no direction to fall in. */
constexpr double gravityThreshold = 0.1;

using Vec = PBezier::Vec<double>;

Vec vecOf(const Control& c)
{
    return {c.x, c.y};
}

/** NaN lands on 0: a parameter computed from damaged lengths must still pick a real point. */
double clampUnit(double t)
{
    return t > 0.0 ? (t < 1.0 ? t : 1.0) : 0.0;
}

/** The guide's direction of travel at a sample, whose normal is that direction turned by -90 degrees. */
Vec tangentOf(Vec normal)
{
    return {-normal.y, normal.x};
}

/** A point of the guide, the unit normal there and the guide's thickness fraction. */
struct Sample
{
    Vec point;
    Vec normal;
    double thickness = 0;
};

/** A guide prepared for evaluation: its control list, segment lengths and their running ends. */
class Guide
{
public:
    Guide(const Input& in, float floor)
        : list(PCurve::controlList(in.anchors, in.closed)), lengths(PBrushGenerator::segmentLengths(list, floor))
    {
        float sum = 0;
        for (float length : lengths)
            ends.push_back(sum += length);
    }

    int segments() const { return static_cast<int>(lengths.size()); }
    float length(int k) const { return lengths[static_cast<size_t>(k)]; }
    float total() const { return ends.empty() ? 0.0f : ends.back(); }

    Sample at(int k, double t) const
    {
        const size_t i = 3 * static_cast<size_t>(k);
        const Control &a = list[i], &h1 = list[i + 1], &h2 = list[i + 2], &b = list[(i + 3) % list.size()];
        const Vec tangent = tangentAt(vecOf(a), vecOf(h1), vecOf(h2), vecOf(b), t);
        const double thickness = (a.thickness + (b.thickness - a.thickness) * t) / percent;
        return {cubicAt(vecOf(a), vecOf(h1), vecOf(h2), vecOf(b), t), {tangent.y, -tangent.x}, thickness};
    }

    /** The point at a distance along the guide: the segment that holds it, at the local
        parameter that distance gives (a parameter of the cubic, not of its arc length). */
    Sample atPosition(double position) const
    {
        const auto found = std::lower_bound(ends.begin(), ends.end(), static_cast<float>(position));
        const int k = std::min(static_cast<int>(found - ends.begin()), segments() - 1);
        const double start = k == 0 ? 0.0 : ends[static_cast<size_t>(k - 1)];
        return at(k, clampUnit((position - start) / length(k)));
    }

private:
    ControlList list;
    std::vector<float> lengths;
    std::vector<float> ends;
};

/** A usable pattern element: its curve, its laid width, and the sign that makes it advance. */
struct Element
{
    const PCurve* curve = nullptr;
    double width = 0;
    double direction = 1;
    uint16_t tag = 0;

    int pointCount() const { return curve->points.size(); }
    const PPoint& point(int i) const { return *curve->pointAt(i); }
    /** Distance of point i from the element's start along the run. */
    double along(int i) const { return (point(i).x - point(0).x) * curve->scaleX * direction; }
    /** Distance of point i from the element's start across the run. */
    double across(int i) const { return (point(i).y - point(0).y) * curve->scaleY; }
};

const PCurve* soleOpenCurve(const PCard& card)
{
    if (card.shapes.size() != 1)
        return nullptr;
    const PBase* shape = card.shapes.at(0);
    if (shape->classId() != PClass::curve)
        return nullptr;
    const auto* curve = static_cast<const PCurve*>(shape);
    return curve->isClosed() || curve->points.size() < 2 ? nullptr : curve;
}

std::vector<Element> usableElements(const PClip* pattern)
{
    std::vector<Element> elements;
    if (pattern == nullptr)
        return elements;
    for (PBase* element : pattern->cards)
    {
        const auto& card = *static_cast<const PCard*>(element);
        if (!PBrushGenerator::isUsableElement(card, pattern->clipSize))
            continue;
        const PCurve* curve = soleOpenCurve(card);
        const double extent = curve->pointAt(curve->points.size() - 1)->x - curve->pointAt(0)->x;
        // An element drawn from right to left is laid mirrored: run backwards, it would pile
        // all of its points onto the start of the guide.
        elements.push_back({curve, std::abs(extent) * curve->scaleX, extent < 0 ? -1.0 : 1.0, card.cardNo});
    }
    return elements;
}

PCurve* newStroke(const Input& in, bool closed)
{
    auto* stroke = new PCurve();
    stroke->setClosed(closed);
    stroke->lineColour = in.lineColour;
    stroke->fillColour = in.fillColour;
    return stroke;
}

/** Appends a stroke point; a point that left the float range is dropped, never stored. */
void appendPoint(PCurve& stroke, Vec v, uint16_t thickness, uint16_t sharpness, bool gap)
{
    const auto x = static_cast<float>(v.x), y = static_cast<float>(v.y);
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    auto* point = new PPoint(x, y);
    point->thickness = thickness;
    point->sharpness = sharpness;
    if (gap)
        point->flags |= PPoint::gap;
    stroke.points.append(point);
}

void appendCarried(PCurve& stroke, Vec v, const PPoint& carried)
{
    appendPoint(stroke, v, carried.thickness, carried.sharpness, carried.hasFlag(PPoint::gap));
}

/** Keeps a stroke that draws something; a stroke of fewer than two points is deleted. */
void finishStroke(PCurve* stroke, PArray& strokes)
{
    if (stroke->points.size() < 2)
        delete stroke;
    else
        strokes.append(stroke);
}

std::vector<int> elementOrder(int count, PBrushRandom& random)
{
    if (count == 1)
        return {0};
    std::vector<int> order;
    for (int i = 0; i < PBrushGenerator::areaSequenceLength; ++i)
        order.push_back(random.nextIndex(count));
    return order;
}

uint16_t variantOf(const Input& in, size_t anchor)
{
    return anchor < in.variants.size() ? in.variants[anchor] : 0;
}

const Element& elementForVariant(const std::vector<Element>& elements, uint16_t variant)
{
    for (const Element& element : elements)
        if (element.tag == variant)
            return element;
    return elements.front();
}

/** Straight down, straight up or nowhere, by the side the normal leans to. */
Vec hanging(Vec normal)
{
    if (normal.y <= -gravityThreshold)
        return {0, -1};
    if (normal.y >= gravityThreshold)
        return {0, 1};
    return {};
}

/** The stamp's x axis follows the guide's direction of travel, so a stamp keeps its
    orientation on a straight guide from left to right and turns smoothly along curves. */
double alignedAngle(Vec normal)
{
    const Vec tangent = tangentOf(normal);
    return lengthOf(tangent) > 0.0 ? std::atan2(tangent.y, tangent.x) : 0.0;
}

int stampIntervals(double guideLength, double spacing)
{
    const double intervals = guideLength / spacing;
    if (!(intervals >= 1.0))
        return 1;
    return static_cast<int>(std::min(intervals, static_cast<double>(PBrushGenerator::maxStampIntervals)));
}

bool isFinite(const PMatrix& m)
{
    return std::all_of(std::begin(m.m), std::end(m.m), [](float v) { return std::isfinite(v); });
}

/** Copies an element's curves through the stamp's transform into the strokes. Only plain
    curves become strokes; other artwork of the element has no place in a stroke list. */
void placeStamp(const PCard& card, const PMatrix& stamp, PArray& strokes)
{
    for (PBase* member : card.shapes)
    {
        if (member->classId() != PClass::curve || strokes.size() >= PBrushGenerator::maxStrokes)
            continue;
        auto* copy = static_cast<PCurve*>(member->clone());
        // A pattern member hidden in the clip editor still shows in its stamped copies.
        copy->flags &= ~(PFlag::hidden | PFlag::selected);
        copy->clearMark();
        const PMatrix placed = stamp * copy->transform();
        bool finite = isFinite(placed);
        for (PBase* element : copy->points)
        {
            auto* point = static_cast<PPoint*>(element);
            placed.transform(point->x, point->y);
            finite = finite && std::isfinite(point->x) && std::isfinite(point->y);
        }
        copy->resetTransform();
        if (finite)
            strokes.append(copy);
        else
            delete copy;
    }
}

/** Adds a ribbon point; one beyond the float range is left out, so that the outline can
    serve as a guide itself. */
void addRibbonPoint(ControlList& side, Vec v, uint16_t sharpness)
{
    Control c;
    c.x = static_cast<float>(v.x);
    c.y = static_cast<float>(v.y);
    c.thickness = ribbonPointThickness;
    c.sharpness = sharpness;
    if (std::isfinite(c.x) && std::isfinite(c.y))
        side.push_back(c);
}

/** The guide sample of anchor i: its own segment's start, except the end of an open guide,
    which has no segment of its own. */
Sample anchorSample(const Guide& guide, const Input& in, size_t i)
{
    const size_t n = in.anchors.size();
    if (!in.closed && i == n - 1)
        return guide.at(static_cast<int>(n) - 2, 1.0);
    return guide.at(static_cast<int>(i), 0.0);
}
} // namespace

bool PBrushGenerator::isUsableElement(const PCard& card, float patternSize)
{
    const PCurve* curve = soleOpenCurve(card);
    if (curve == nullptr)
        return false;
    const double extent = curve->pointAt(curve->points.size() - 1)->x - curve->pointAt(0)->x;
    const double width = std::abs(extent) * curve->scaleX;
    // A width of zero would never advance along the guide, whatever a damaged size allows.
    return width > 0.0 && std::isfinite(width) && width >= patternSize * 0.5;
}

std::vector<float> PBrushGenerator::segmentLengths(const ControlList& list, float floor)
{
    std::vector<float> lengths;
    const size_t size = list.size();
    for (size_t k = 0; 3 * k + 1 < size; ++k)
    {
        const Vec a = vecOf(list[3 * k]), h1 = vecOf(list[3 * k + 1]), h2 = vecOf(list[3 * k + 2]);
        const Vec b = vecOf(list[(3 * k + 3) % size]);
        double length = 0;
        Vec previous = a;
        for (int i = 1; i <= lengthSamples; ++i)
        {
            const Vec next = cubicAt(a, h1, h2, b, static_cast<double>(i) / lengthSamples);
            length += lengthOf(next - previous);
            previous = next;
        }
        lengths.push_back(std::max(static_cast<float>(length), floor));
    }
    return lengths;
}

bool PBrushGenerator::generate(const Input& in, PArray& strokes)
{
    switch (in.kind)
    {
    case area: return generateArea(in, strokes);
    case thick: return generateThick(in, strokes);
    case spray: return generateSpray(in, strokes);
    case fine: return generateFine(in, strokes);
    default: return false;
    }
}

bool PBrushGenerator::generateArea(const Input& in, PArray& strokes)
{
    const std::vector<Element> elements = usableElements(in.pattern);
    if (elements.empty() || in.anchors.size() < 2)
        return false;
    PBrushRandom random(in.seed);
    const std::vector<int> order = elementOrder(static_cast<int>(elements.size()), random);
    const Guide guide(in, shortestSegment);

    PCurve* stroke = newStroke(in, in.closed);
    size_t nextElement = 0;
    int pointIndex = 0;
    double runStart = 0;
    for (int k = 0; k < maxAreaPoints; ++k)
    {
        const Element& element = elements[static_cast<size_t>(order[nextElement])];
        const double position = runStart + element.along(pointIndex);
        if (!(position <= guide.total()))
            break;
        const Sample g = guide.atPosition(position);
        const double offset = element.across(pointIndex) * in.thickness * g.thickness * patternSpread;
        appendCarried(*stroke, g.point + g.normal * offset, element.point(pointIndex));
        if (++pointIndex == element.pointCount())
        {
            pointIndex = 0;
            runStart += element.width;
            nextElement = (nextElement + 1) % order.size();
        }
    }
    finishStroke(stroke, strokes);
    return true;
}

ControlList PBrushGenerator::ribbonOutline(const Input& in)
{
    const size_t n = in.anchors.size();
    if (n < 2)
        return {};
    const Guide guide(in, 0.0f);
    ControlList first, second;
    // The ends close around the guide's tips: each tip point stands one half-width beyond its
    // end anchor along the guide's direction there, so the ribbon ends as wide as it runs.
    // A smooth end anchor gives a rounded tip, a sharp one a pointed tip.
    for (size_t i = 0; i < n; ++i)
    {
        const Sample g = anchorSample(guide, in, i);
        const double w = in.largeness * g.thickness * patternSpread + ribbonMinimumHalfWidth;
        const uint16_t sharpness = in.anchors[i].sharpness;
        const Vec across = g.normal * w, along = tangentOf(g.normal) * w;
        if (i == 0)
            addRibbonPoint(first, g.point - along, sharpness);
        addRibbonPoint(first, g.point - across, sharpness);
        addRibbonPoint(second, g.point + across, sharpness);
        if (i == n - 1)
            addRibbonPoint(second, g.point + along, sharpness);
    }
    first.insert(first.end(), second.rbegin(), second.rend());
    return first;
}

bool PBrushGenerator::generateThick(const Input& in, PArray& strokes)
{
    if (in.anchors.size() < 2)
        return false;
    const ControlList outline = ribbonOutline(in);
    if (!usableElements(in.pattern).empty())
    {
        Input around = in;
        around.anchors = outline;
        around.variants.clear();
        around.closed = true;
        around.kind = area;
        return generateArea(around, strokes);
    }
    PCurve* ribbon = newStroke(in, true);
    for (const Control& c : outline)
        appendPoint(*ribbon, vecOf(c), c.thickness, c.sharpness, false);
    finishStroke(ribbon, strokes);
    return true;
}

bool PBrushGenerator::generateSpray(const Input& in, PArray& strokes)
{
    if (in.pattern == nullptr || in.pattern->cards.isEmpty() || in.anchors.size() < 2)
        return false;
    PBrushRandom random(in.seed);
    const Guide guide(in, shortestSegment);
    const PArray& cards = in.pattern->cards;
    const double size = in.pattern->clipSize;
    const double spacing = (1.0 - in.density) * (2 * size - size / 4) + size / 4;
    const int intervals = stampIntervals(guide.total(), spacing);
    const double step = static_cast<double>(guide.total()) / intervals;

    for (int j = 0; j <= intervals && strokes.size() < maxStrokes; ++j)
    {
        const Sample g = j == 0           ? guide.at(0, 0.0)
                         : j == intervals ? guide.at(guide.segments() - 1, 1.0)
                                          : guide.atPosition(j * step);
        const int chosen = cards.size() == 1 ? 0 : random.nextIndex(cards.size());
        const auto& card = *cards.get<PCard>(chosen);
        if (card.shapes.isEmpty())
            continue;
        Vec position = g.point;
        if (in.distribute > 0)
        {
            const double u1 = random.nextFraction(), u2 = random.nextFraction();
            position = position + Vec{2 * u1 - 1, 2 * u2 - 1} * (size * in.distribute);
        }
        double angle = in.alignStamps ? alignedAngle(g.normal) : 0.0;
        if (in.oscillate > 0)
            angle += (2 * random.nextFraction() - 1) * in.oscillate * pi;
        const auto scale = static_cast<float>(g.thickness * in.thickness * patternSpread);
        placeStamp(card,
                   PMatrix::translation(static_cast<float>(position.x), static_cast<float>(position.y)) *
                       PMatrix::rotation(static_cast<float>(angle)) * PMatrix::scale(scale, scale),
                   strokes);
    }
    return true;
}

bool PBrushGenerator::generateFine(const Input& in, PArray& strokes)
{
    const std::vector<Element> elements = usableElements(in.pattern);
    if (elements.empty() || in.anchors.size() < 2)
        return false;
    const Guide guide(in, 0.0f);
    const size_t anchorCount = in.anchors.size();
    PCurve* stroke = newStroke(in, in.closed);
    for (int k = 0; k < guide.segments(); ++k)
    {
        const double length = guide.length(k);
        if (length < shortestSegment)
            continue;
        for (int h = 0; h < 2; ++h)
        {
            const size_t governing = h == 0 ? static_cast<size_t>(k) : (static_cast<size_t>(k) + 1) % anchorCount;
            const Element& element = elementForVariant(elements, variantOf(in, governing));
            const int period = element.pointCount() - 1;
            for (int i = 0; i < maxFinePointsPerHalf && stroke->points.size() < maxFinePoints; ++i)
            {
                const int index = i % period;
                const double position = (i / period) * element.width + element.along(index);
                if (!(position <= length / 2))
                    break;
                const Sample g = guide.at(k, clampUnit((position + h * length / 2) / length));
                const Vec direction = in.hangVertically ? hanging(g.normal) : g.normal;
                const double offset = element.across(index) * in.thickness * g.thickness * patternSpread;
                appendCarried(*stroke, g.point + direction * offset, element.point(index));
            }
        }
    }
    finishStroke(stroke, strokes);
    return true;
}
