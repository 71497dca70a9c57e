#include "model/deform.h"

#include <algorithm>
#include <cmath>

#include "model/group.h"

namespace
{
constexpr double fullTurn = 2.0 * 3.14159265358979323846;

using Point = PDeform::Point;
using Homography = PDeform::Homography;

Point minus(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}

double cross(Point a, Point b)
{
    return a.x * b.y - a.y * b.x;
}

bool isTiny(Point v)
{
    return std::abs(v.x) < PDeform::epsilon && std::abs(v.y) < PDeform::epsilon;
}

double angleOf(Point v)
{
    const double a = std::atan2(v.y, v.x);
    return a < 0 ? a + fullTurn : a;
}

/** Twice the signed area: positive when the corners run counter-clockwise in a y-up frame. */
double signedArea(const PDeform::Quad& q)
{
    double sum = 0;
    for (size_t i = 0; i < 4; ++i)
        sum += cross(q[i], q[(i + 1) % 4]);
    return sum;
}

bool isFinite(const Homography& m)
{
    return std::all_of(m.h.begin(), m.h.end(), [](double v) { return std::isfinite(v); });
}

/** The map of the unit square (0,0), (1,0), (1,1), (0,1) onto the corners of q. */
bool squareToQuad(const PDeform::Quad& q, Homography& out)
{
    const double sx = q[0].x - q[1].x + q[2].x - q[3].x;
    const double sy = q[0].y - q[1].y + q[2].y - q[3].y;
    double g = 0, h = 0;
    if (sx != 0 || sy != 0)
    {
        const double dx1 = q[1].x - q[2].x, dx2 = q[3].x - q[2].x;
        const double dy1 = q[1].y - q[2].y, dy2 = q[3].y - q[2].y;
        const double den = dx1 * dy2 - dx2 * dy1;
        if (den == 0)
            return false;
        g = (sx * dy2 - dx2 * sy) / den;
        h = (dx1 * sy - sx * dy1) / den;
    }
    out.h = {q[1].x - q[0].x + g * q[1].x,
             q[3].x - q[0].x + h * q[3].x,
             q[0].x,
             q[1].y - q[0].y + g * q[1].y,
             q[3].y - q[0].y + h * q[3].y,
             q[0].y,
             g,
             h,
             1};
    return isFinite(out);
}

Homography multiply(const Homography& a, const Homography& b)
{
    Homography r;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
        {
            double sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += a.h[static_cast<size_t>(row * 3 + k)] * b.h[static_cast<size_t>(k * 3 + col)];
            r.h[static_cast<size_t>(row * 3 + col)] = sum;
        }
    return r;
}

/** The adjugate: the inverse up to the factor 1 / determinant, which a projective map ignores. */
Homography adjugate(const Homography& m, double& determinant)
{
    const auto& [a, b, c, d, e, f, g, h, i] = m.h;
    Homography r;
    r.h = {e * i - f * h, c * h - b * i, b * f - c * e, f * g - d * i, a * i - c * g,
           c * d - a * f, d * h - e * g, b * g - a * h, a * e - b * d};
    determinant = a * r.h[0] + b * r.h[3] + c * r.h[6];
    return r;
}

const std::vector<std::array<int, 4>> noQuads;
const std::vector<std::array<int, 4>> quadTable[] = {
    {{0, 1, 2, 3}},
    {{0, 1, 5, 7}, {7, 5, 2, 3}},
    {{0, 4, 6, 3}, {4, 1, 2, 6}},
    {{0, 4, 8, 3}, {4, 1, 2, 8}, {8, 2, 6, 3}},
    {{0, 4, 1, 8}, {1, 2, 6, 8}, {0, 8, 6, 3}},
};
} // namespace

Point Homography::apply(Point p) const
{
    const double w = denominator(p);
    return {(h[0] * p.x + h[1] * p.y + h[2]) / w, (h[3] * p.x + h[4] * p.y + h[5]) / w};
}

bool Homography::invert(Homography& out) const
{
    double determinant = 0;
    Homography r = adjugate(*this, determinant);
    if (determinant == 0 || !std::isfinite(determinant))
        return false;
    for (double& v : r.h)
        v /= determinant;
    if (!isFinite(r))
        return false;
    out = r;
    return true;
}

PDeform::Grid PDeform::restPoints(const PRect& raw, uint16_t mode)
{
    const double l = raw.left, t = raw.top, r = raw.right, b = raw.bottom;
    const double w6 = (r - l) / 6, h6 = (b - t) / 6;
    Grid p;
    p[0] = {l, t};
    p[1] = {r, t};
    p[2] = {r, b};
    p[3] = {l, b};
    p[4] = {(l + r) / 2, t};
    p[5] = {r, (t + b) / 2};
    p[6] = {(l + r) / 2, b};
    p[7] = {l, (t + b) / 2};
    p[8] = {(l + r) / 2, (t + b) / 2};
    // The midpoints stand a sixth outside so that every quadrilateral is strictly convex at rest.
    if (mode == taller)
    {
        p[5].x += w6;
        p[7].x -= w6;
    }
    else if (mode == wider)
    {
        p[4].y -= h6;
        p[6].y += h6;
    }
    else if (mode == archAbove || mode == archBelow)
    {
        p[4].y = t - h6;
        p[6].y = b + h6;
        p[8].y = mode == archAbove ? b - h6 : t + h6;
    }
    return p;
}

const std::vector<std::array<int, 4>>& PDeform::quadrilateralsOf(uint16_t mode)
{
    if (mode < corners || mode > archBelow)
        return noQuads;
    return quadTable[mode - corners];
}

bool PDeform::isConvex(const Quad& q, double orientation)
{
    for (size_t i = 0; i < 4; ++i)
    {
        const Point d1 = minus(q[i], q[(i + 3) % 4]);
        const Point d2 = minus(q[(i + 1) % 4], q[i]);
        if (cross(d1, d2) * orientation < epsilon)
            return false;
    }
    return true;
}

bool PDeform::solve(const Quad& from, const Quad& to, Homography& out)
{
    Homography fromSquare, toSquare;
    if (!squareToQuad(from, fromSquare) || !squareToQuad(to, toSquare))
        return false;
    double determinant = 0;
    const Homography squareFrom = adjugate(fromSquare, determinant);
    if (determinant == 0 || !std::isfinite(determinant))
        return false;
    Homography m = multiply(toSquare, squareFrom);
    // With the scale fixed at a corner the denominator guard means the same for every quadrilateral.
    const double w0 = m.denominator(from[0]);
    if (std::abs(w0) < epsilon || !std::isfinite(w0))
        return false;
    for (double& v : m.h)
        v /= w0;
    if (!isFinite(m))
        return false;
    out = m;
    return true;
}

uint16_t PDeform::stageModeOf(const PGroup& group)
{
    // "None" still warps by the four corners; an unknown layout does too.
    const uint16_t stageMode = std::max<uint16_t>(group.deformMode, corners);
    return stageMode > archBelow ? corners : stageMode;
}

PDeform::Grid PDeform::restPointsOf(const PGroup& group)
{
    PRect raw;
    group.getBounds(raw, true);
    if (!(raw.right > raw.left) || !(raw.bottom > raw.top))
        return {};
    return restPoints(raw, stageModeOf(group));
}

bool PDeform::setUp(const PGroup& group, const PMatrix& groupToPage)
{
    switchOff();
    PRect raw;
    group.getBounds(raw, true);
    if (!(raw.right > raw.left) || !(raw.bottom > raw.top))
        return false;
    const uint16_t stageMode = stageModeOf(group);
    const Grid rest = restPoints(raw, stageMode);
    Grid from, to;
    for (size_t i = 0; i < rest.size(); ++i)
    {
        float fx = static_cast<float>(rest[i].x) + group.gridFrom[i].x,
              fy = static_cast<float>(rest[i].y) + group.gridFrom[i].y;
        float tx = static_cast<float>(rest[i].x) + group.gridTo[i].x,
              ty = static_cast<float>(rest[i].y) + group.gridTo[i].y;
        groupToPage.transform(fx, fy);
        groupToPage.transform(tx, ty);
        from[i] = {fx, fy};
        to[i] = {tx, ty};
    }
    return setUp(stageMode, from, to);
}

bool PDeform::setUp(uint16_t stageMode, const Grid& sourceGrid, const Grid& targetGrid)
{
    switchOff();
    const auto& quads = quadrilateralsOf(stageMode);
    if (quads.empty())
        return false;
    quadCount = static_cast<int>(quads.size());
    for (size_t k = 0; k < quads.size(); ++k)
    {
        for (size_t c = 0; c < 4; ++c)
        {
            source[k][c] = sourceGrid[static_cast<size_t>(quads[k][c])];
            target[k][c] = targetGrid[static_cast<size_t>(quads[k][c])];
        }
        // Judged against the source's own turning, so that a mirrored group still warps.
        const double area = signedArea(source[k]);
        if (std::abs(area) < epsilon || !isConvex(target[k], area > 0 ? 1.0 : -1.0))
            return false;
        if (!solve(source[k], target[k], forward[k]) || !forward[k].invert(backward[k]))
            return false;
    }
    const bool upright = stageMode == taller;
    lineA = sourceGrid[upright ? 5 : 4];
    lineB = sourceGrid[upright ? 7 : 6];
    centre = sourceGrid[8];
    targetCentre = targetGrid[8];
    setUpRays(stageMode, sourceGrid);
    mode = stageMode;
    return true;
}

void PDeform::setUpRays(uint16_t stageMode, const Grid& sourceGrid)
{
    static constexpr int aboveRays[] = {3, 4, 2}, belowRays[] = {0, 1, 6};
    for (size_t k = 0; k < 3; ++k)
    {
        const int end = stageMode == archBelow ? belowRays[k] : aboveRays[k];
        Point d = minus(sourceGrid[static_cast<size_t>(end)], centre);
        if (isTiny(d))
            d = {0, 0};
        rayAngle[k] = angleOf(d);
    }
}

int PDeform::sectorFor(Point p) const
{
    const Point v = minus(p, centre);
    if (isTiny(v))
        return 0;
    const double theta = angleOf(v);
    for (size_t k = 0; k < 3; ++k)
    {
        const double start = rayAngle[k], end = rayAngle[(k + 1) % 3];
        const bool holds = end < start ? (theta >= start || theta < end) : (theta >= start && theta < end);
        if (holds)
            return static_cast<int>(k);
    }
    return 0;
}

int PDeform::quadrilateralFor(Point p) const
{
    switch (mode)
    {
    case taller:
    case wider:
    {
        const Point v = minus(p, lineA);
        const double z = v.y * (lineB.x - lineA.x) - (lineB.y - lineA.y) * v.x;
        return z < 0 ? 1 : 0;
    }
    case archAbove:
    case archBelow: return sectorFor(p);
    default: return 0;
    }
}

Point PDeform::map(Point p) const
{
    if (!isOn())
        return p;
    const auto k = static_cast<size_t>(quadrilateralFor(p));
    // Far outside the quadrilateral the map runs off to infinity; such points collapse onto a corner.
    if (std::abs(forward[k].denominator(p)) < epsilon)
        return target[k][0];
    return forward[k].apply(p);
}

void PDeform::map(float& x, float& y) const
{
    if (!isOn())
        return;
    const Point q = map(Point{x, y});
    x = static_cast<float>(q.x);
    y = static_cast<float>(q.y);
}

bool PDeform::unmap(Point p, Point& out) const
{
    if (!isOn())
    {
        out = p;
        return true;
    }
    // A source point is an answer only when the forward map would send it through the same
    // quadrilateral. A sector of an arch, stretched far beyond its quadrilateral, can reach the point
    // too: of several answers the one nearest the point is the artwork's, since a warp bends the
    // artwork rather than flinging it across the plane.
    bool found = false;
    double nearest = 0;
    for (int k = 0; k < quadCount; ++k)
    {
        const Homography& back = backward[static_cast<size_t>(k)];
        if (std::abs(back.denominator(p)) < epsilon)
            continue;
        const Point s = back.apply(p);
        if (quadrilateralFor(s) != k || std::abs(forward[static_cast<size_t>(k)].denominator(s)) < epsilon)
            continue;
        const Point d = minus(s, p);
        const double distance = d.x * d.x + d.y * d.y;
        if (!found || distance < nearest)
            out = s, nearest = distance, found = true;
    }
    return found;
}
