#include "model/curve.h"

#include <algorithm>
#include <cmath>

#include "model/bezier.h"
#include "model/point.h"
#include "model/shade.h"
#include "model/stream.h"
#include "model/viewstate.h"

namespace
{
constexpr float percent = 100.0f;
/** A sharpness above this makes an anchor a corner. */
constexpr float cornerSharpness = 0.9999999f;
/** A corner's handle reaches this fraction of a third of the chord: a barely rounded corner. */
constexpr float cornerHandleShare = 0.1f;
/** The fixed handle length at a pointed open end. */
constexpr float endHandleLength = 0.1f;
/** Below this half-width the outline is not worth building. */
constexpr float smallestHalfWidth = 1.2e-7f;
/** Round caps put their control points this many half-widths beyond the corners. */
constexpr float roundCapReach = 1.3f;
constexpr float hitReach = 0.1f;
constexpr float pathTolerance = 0.1f;
constexpr uint32_t lightnessMask = 0xFF;
constexpr uint32_t alphaMask = 0xFF000000u;
constexpr uint32_t blackLightness = 0, whiteLightness = 0xFF;

using Vec = PBezier::Vec<float>;

Vec at(const PCurve::Control& c)
{
    return {c.x, c.y};
}

void moveTo(PCurve::Control& c, Vec v)
{
    c.x = v.x;
    c.y = v.y;
}

juce::Point<float> toPoint(Vec v)
{
    return {v.x, v.y};
}

float finiteOrZero(float v)
{
    return std::isfinite(v) ? v : 0.0f;
}

/** A handle starts as a default point on its anchor; only its coordinates ever change. */
PCurve::Control handleAt(const PCurve::Control& anchor)
{
    PCurve::Control handle;
    handle.x = anchor.x;
    handle.y = anchor.y;
    return handle;
}

/** Mirrors v across the line perpendicular to the unit vector u. */
Vec mirrorAcross(Vec u, Vec v)
{
    return {(u.y * u.y - u.x * u.x) * v.x - 2 * u.x * u.y * v.y, -2 * u.x * u.y * v.x + (u.x * u.x - u.y * u.y) * v.y};
}

void placeInnerHandles(const PCurve::Control& before, const PCurve::Control& anchor, const PCurve::Control& after,
                       PCurve::Control& incoming, PCurve::Control& outgoing)
{
    const Vec p = at(anchor);
    const Vec toA = at(before) - p, toB = at(after) - p;
    const float dA = lengthOf(toA), dB = lengthOf(toB);
    const Vec uA = unitOf(toA), uB = unitOf(toB);
    const float s = anchor.sharpness / percent;
    if (s > cornerSharpness)
    {
        moveTo(incoming, p + uA * (dA * cornerHandleShare / 3));
        moveTo(outgoing, p + uB * (dB * cornerHandleShare / 3));
        return;
    }
    const Vec t = unitOf(uA - uB);
    moveTo(incoming, p + t * (dA * (1 - s) / 3));
    moveTo(outgoing, p - t * (dB * (1 - s) / 3));
}

/** An open end has one neighbour: its handle mirrors the neighbour's, or points at it from a corner. */
Vec endHandle(const PCurve::Control& end, const PCurve::Control& neighbour, Vec neighbourHandle)
{
    const Vec e = at(end);
    const Vec u = unitOf(at(neighbour) - e);
    const float s = end.sharpness / percent;
    if (s > cornerSharpness)
        return e + u * endHandleLength;
    return e + mirrorAcross(u, neighbourHandle - at(neighbour)) * (1 - s);
}

/** Crosses a segment's end from one side to the other, straight or with a round cap. */
void crossEnd(juce::Path& path, Vec from, Vec to, Vec outward, float halfWidth, uint16_t sharpness)
{
    if (sharpness == 0)
    {
        path.lineTo(toPoint(to));
        return;
    }
    const Vec reach = outward * (roundCapReach * halfWidth);
    path.cubicTo(toPoint(from + reach), toPoint(to + reach), toPoint(to));
}

/** Finds the shade whose `from` matches a colour, or null. */
PShade* shadeFor(const PArray& shades, uint32_t colour)
{
    for (PBase* element : shades)
        if (element != nullptr && element->classId() == PClass::shade)
        {
            auto* shade = static_cast<PShade*>(element);
            if (PCurve::coloursMatch(shade->from, colour))
                return shade;
        }
    return nullptr;
}
} // namespace

PCurve::~PCurve()
{
    points.deleteAll();
}

void PCurve::copyFrom(const PBase* other)
{
    if (other == this)
        return;
    PShape::copyFrom(other);
    if (const auto* curve = dynamic_cast<const PCurve*>(other))
    {
        lineColour = curve->lineColour;
        fillColour = curve->fillColour;
        points.deepCopy(curve->points);
    }
    centrePath.clear();
    outlinePath.clear();
}

void PCurve::write(PStream& s) const
{
    PShape::write(s);
    s.writeUInt32(lineColour);
    s.writeUInt32(fillColour);
    s.writeList(points);
}

void PCurve::read(PStream& s)
{
    PShape::read(s);
    lineColour = s.readUInt32();
    fillColour = s.readUInt32();
    s.readList(points, PClass::point);
    dropGeometry();
}

void PCurve::clearMark()
{
    PShape::clearMark();
    for (PBase* point : points)
        point->clearMark();
}

void PCurve::dropGeometry()
{
    centrePath.clear();
    outlinePath.clear();
    bounds = PRect::of(0, 0, 0, 0);
}

void PCurve::invalidate()
{
    dropGeometry();
}

bool PCurve::hasLine() const
{
    if ((lineColour & alphaMask) == 0)
        return false;
    if (classId() == PClass::brush)
        return true;
    for (PBase* element : points)
    {
        const auto* point = static_cast<const PPoint*>(element);
        if (!point->hasFlag(PPoint::gap) && point->thickness > 0)
            return true;
    }
    return false;
}

bool PCurve::lineVaries() const
{
    if ((lineColour & alphaMask) == 0 || classId() == PClass::brush)
        return false;
    for (int i = 0; i + 1 < points.size(); ++i)
    {
        const PPoint *a = pointAt(i), *b = pointAt(i + 1);
        if (a->thickness != b->thickness || a->hasFlag(PPoint::gap) || b->hasFlag(PPoint::gap))
            return true;
    }
    return false;
}

bool PCurve::hasFill() const
{
    return isClosed() && (fillColour & alphaMask) != 0;
}

bool PCurve::coloursMatch(uint32_t a, uint32_t b)
{
    const uint32_t lightness = a & lightnessMask;
    if (lightness != (b & lightnessMask))
        return false;
    return lightness == blackLightness || lightness == whiteLightness || a == b;
}

PCurve::ControlList PCurve::controlList(const ControlList& anchors, bool isClosed)
{
    const int n = static_cast<int>(anchors.size());
    if (n == 0)
        return {};
    const int size = isClosed ? 3 * n : 3 * n - 2;
    ControlList list(static_cast<size_t>(size));
    for (int i = 0; i < n; ++i)
    {
        list[static_cast<size_t>(3 * i)] = anchors[static_cast<size_t>(i)];
        if (isClosed || i > 0)
            list[static_cast<size_t>((3 * i - 1 + size) % size)] = handleAt(anchors[static_cast<size_t>(i)]);
        if (isClosed || i < n - 1)
            list[static_cast<size_t>(3 * i + 1)] = handleAt(anchors[static_cast<size_t>(i)]);
    }

    const int first = isClosed ? 0 : 1, last = isClosed ? n - 1 : n - 2;
    for (int i = first; i <= last; ++i)
        placeInnerHandles(anchors[static_cast<size_t>((i - 1 + n) % n)], anchors[static_cast<size_t>(i)],
                          anchors[static_cast<size_t>((i + 1) % n)],
                          list[static_cast<size_t>((3 * i - 1 + size) % size)], list[static_cast<size_t>(3 * i + 1)]);

    if (!isClosed && n >= 2)
    {
        // Both ends read their neighbours' handles before either is written: with two anchors
        // each end is the other's neighbour.
        const Vec facingFirst = at(list[2]), facingLast = at(list[static_cast<size_t>(3 * n - 5)]);
        moveTo(list[1], endHandle(anchors[0], anchors[1], facingFirst));
        moveTo(list[static_cast<size_t>(3 * n - 4)],
               endHandle(anchors[static_cast<size_t>(n - 1)], anchors[static_cast<size_t>(n - 2)], facingLast));
    }
    return list;
}

std::array<float, 4> PCurve::halfWidths(float wA, float wB)
{
    return {wA, (2 * wA + wB) / 3, (wA + 2 * wB) / 3, wB};
}

void PCurve::appendSegmentOutline(juce::Path& path, const Control& a, const Control& h1, const Control& h2,
                                  const Control& b, float hw)
{
    if (a.gap || b.gap || (a.thickness == 0 && b.thickness == 0))
        return;
    const auto w = halfWidths(a.thickness / percent * hw, b.thickness / percent * hw);
    const Vec p[4] = {at(a), at(h1), at(h2), at(b)};
    const float ts[4] = {0.0f, 1.0f / 3, 2.0f / 3, 1.0f};
    Vec tangent[4], left[4], right[4];
    for (int k = 0; k < 4; ++k)
    {
        tangent[k] = tangentAt(p[0], p[1], p[2], p[3], ts[k]);
        const Vec normal{tangent[k].y, -tangent[k].x};
        left[k] = p[k] + normal * w[k];
        right[k] = p[k] - normal * w[k];
    }
    path.startNewSubPath(toPoint(left[0]));
    path.cubicTo(toPoint(left[1]), toPoint(left[2]), toPoint(left[3]));
    crossEnd(path, left[3], right[3], tangent[3], w[3], b.sharpness);
    path.cubicTo(toPoint(right[2]), toPoint(right[1]), toPoint(right[0]));
    crossEnd(path, right[0], left[0], tangent[0] * -1.0f, w[0], a.sharpness);
    path.closeSubPath();
}

PCurve::ControlList PCurve::ownAnchors() const
{
    ControlList anchors;
    anchors.reserve(static_cast<size_t>(points.size()));
    for (PBase* element : points)
    {
        const auto* point = static_cast<const PPoint*>(element);
        anchors.push_back({point->x, point->y, point->thickness, point->sharpness, point->hasFlag(PPoint::gap)});
    }
    return anchors;
}

void PCurve::mapToPage(PViewState& view, ControlList& list) const
{
    // A view whose matrix stack is full ignores the push, so the own transform is applied here.
    const bool pushed = view.depth < PViewState::stackDepth;
    const PMatrix own = transform();
    if (pushed)
        view.pushShape(*this);
    for (Control& c : list)
    {
        if (!pushed)
            own.transform(c.x, c.y);
        view.mapToPage(c.x, c.y);
        c.x = finiteOrZero(c.x);
        c.y = finiteOrZero(c.y);
    }
    if (pushed)
        view.pop();
}

void PCurve::takeBoundsFromCentre()
{
    if (centrePath.isEmpty())
    {
        bounds = PRect::of(0, 0, 0, 0);
        return;
    }
    const auto b = centrePath.getBounds();
    bounds = PRect::of(b.getX(), b.getY(), b.getRight(), b.getBottom());
}

void PCurve::buildTwoPoints(const ControlList& anchors, float hw)
{
    const Control &a = anchors[0], &b = anchors[1];
    centrePath.startNewSubPath(a.x, a.y);
    centrePath.lineTo(b.x, b.y);
    takeBoundsFromCentre();
    // A gap at either end leaves the only segment undrawn, as it does on longer curves.
    if (a.thickness == b.thickness || a.gap || b.gap)
        return;
    const Vec along = unitOf(at(b) - at(a));
    const Vec normal{-along.y, along.x};
    const float wA = a.thickness / percent * hw, wB = b.thickness / percent * hw;
    outlinePath.startNewSubPath(toPoint(at(a) + normal * wA));
    outlinePath.lineTo(toPoint(at(b) + normal * wB));
    outlinePath.lineTo(toPoint(at(b) - normal * wB));
    outlinePath.lineTo(toPoint(at(a) - normal * wA));
    outlinePath.closeSubPath();
}

void PCurve::buildOutline(const ControlList& list, float hw)
{
    const size_t size = list.size();
    for (size_t k = 0; 3 * k + 1 < size; ++k)
        appendSegmentOutline(outlinePath, list[3 * k], list[3 * k + 1], list[3 * k + 2], list[(3 * k + 3) % size], hw);
}

void PCurve::build(PViewState& view)
{
    if (points.size() < 2)
        return;
    // Every back-end draws the same smooth geometry (the OpenGL view flattens it as the software
    // view does), so that the canvas looks alike in both kinds and one cache serves them all.
    const bool varies = hasLine() && lineVaries();
    const juce::Path& cache = varies ? outlinePath : centrePath;
    if (!cache.isEmpty())
        return;
    dropGeometry();
    const float hw = view.penWidth() * 0.5f;
    ControlList anchors = ownAnchors();
    mapToPage(view, anchors);
    if (anchors.size() == 2)
    {
        buildTwoPoints(anchors, hw);
        return;
    }
    const ControlList list = controlList(anchors, isClosed());
    const size_t size = list.size();
    centrePath.startNewSubPath(list[0].x, list[0].y);
    for (size_t k = 0; 3 * k + 1 < size; ++k)
        centrePath.cubicTo(toPoint(at(list[3 * k + 1])), toPoint(at(list[3 * k + 2])),
                           toPoint(at(list[(3 * k + 3) % size])));
    if (isClosed())
        centrePath.closeSubPath();
    takeBoundsFromCentre();
    if (varies && hw > smallestHalfWidth)
        buildOutline(list, hw);
}

bool PCurve::hitTest(float px, float py, float scale, PEditMode mode)
{
    (void) mode;
    if (!std::isfinite(px) || !std::isfinite(py))
        return false;
    const float safeScale = std::isfinite(scale) && scale > 0.0f ? scale : 1.0f;
    const float tol = hitReach / safeScale;
    if (px < bounds.left - tol || px > bounds.right + tol || py < bounds.top - tol || py > bounds.bottom + tol)
        return false;
    if (isClosed())
        return centrePath.contains(px, py, pathTolerance);
    return centrePath.intersectsLine({px - tol, py, px + tol, py}, pathTolerance) ||
           centrePath.intersectsLine({px, py - tol, px, py + tol}, pathTolerance);
}

void PCurve::setOrigin(float px, float py)
{
    // A collapsed transform cannot be undone: keep the points rather than lose the drawing.
    if (scaleX == 0.0f || scaleY == 0.0f || !std::isfinite(scaleX) || !std::isfinite(scaleY) || !std::isfinite(px) ||
        !std::isfinite(py))
        return;
    const PMatrix before = transform();
    for (PBase* element : points)
    {
        auto* point = static_cast<PPoint*>(element);
        before.transform(point->x, point->y);
    }
    x = px;
    y = py;
    const PMatrix back = inverseTransform();
    for (PBase* element : points)
    {
        auto* point = static_cast<PPoint*>(element);
        back.transform(point->x, point->y);
    }
    invalidate();
}

void PCurve::centreOrigin()
{
    if (points.isEmpty())
        return;
    PRect raw;
    getBounds(raw, true);
    float cx = (raw.left + raw.right) * 0.5f, cy = (raw.top + raw.bottom) * 0.5f;
    for (PBase* element : points)
    {
        auto* point = static_cast<PPoint*>(element);
        point->x -= cx;
        point->y -= cy;
    }
    transform().transform(cx, cy);
    x = cx;
    y = cy;
    invalidate();
}

void PCurve::flip(bool horizontal)
{
    for (PBase* element : points)
    {
        auto* point = static_cast<PPoint*>(element);
        if (horizontal)
            point->x = -point->x;
        else
            point->y = -point->y;
    }
    invalidate();
}

void PCurve::getBounds(PRect& out, bool raw) const
{
    out = PRect::empty();
    const PMatrix own = transform();
    for (PBase* element : points)
    {
        const auto* point = static_cast<const PPoint*>(element);
        float px = point->x, py = point->y;
        if (!raw)
            own.transform(px, py);
        out.include(px, py);
    }
}

void PCurve::collectShades(PArray& shades)
{
    if (!isClosed() || shadeFor(shades, fillColour) != nullptr)
        return;
    shades.append(new PShade(fillColour, fillColour));
}

void PCurve::collectShadeUsers(PArray& shades)
{
    if (!isClosed())
        return;
    PShade* shade = shadeFor(shades, fillColour);
    if (shade == nullptr)
    {
        shade = new PShade(fillColour, fillColour);
        shades.append(shade);
    }
    shade->members.append(this);
}

void PCurve::applyShade(PShade& shade, PArray& changed)
{
    if (!isClosed() || !coloursMatch(fillColour, shade.from))
        return;
    fillColour = shade.to;
    changed.append(this);
    invalidate();
}
