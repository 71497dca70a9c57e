#pragma once

#include <cmath>
#include <type_traits>

/** Plane vectors and cubic Bezier evaluation shared by the curve outlines (in float) and the
    brush generators (in double, so that generated strokes reproduce to the bit). */
namespace PBezier
{
template <class T> struct Vec
{
    T x = 0, y = 0;
};

template <class T> Vec<T> operator+(Vec<T> a, Vec<T> b)
{
    return {a.x + b.x, a.y + b.y};
}

template <class T> Vec<T> operator-(Vec<T> a, Vec<T> b)
{
    return {a.x - b.x, a.y - b.y};
}

template <class T> Vec<T> operator*(Vec<T> a, std::type_identity_t<T> f)
{
    return {a.x * f, a.y * f};
}

template <class T> T lengthOf(Vec<T> v)
{
    return std::hypot(v.x, v.y);
}

/** The unit vector along v, or zero for a vector without a usable direction. */
template <class T> Vec<T> unitOf(Vec<T> v)
{
    const T length = lengthOf(v);
    if (!(length > T(0)) || !std::isfinite(length))
        return {};
    return {v.x / length, v.y / length};
}

template <class T> Vec<T> cubicAt(Vec<T> a, Vec<T> h1, Vec<T> h2, Vec<T> b, std::type_identity_t<T> t)
{
    const T u = 1 - t;
    const T wa = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, wb = t * t * t;
    return {wa * a.x + w1 * h1.x + w2 * h2.x + wb * b.x, wa * a.y + w1 * h1.y + w2 * h2.y + wb * b.y};
}

/** The unit tangent of a cubic at t. Where a handle sits on its anchor the derivative vanishes
    at that end, and the direction towards the next distinct control point is the true tangent. */
template <class T> Vec<T> tangentAt(Vec<T> a, Vec<T> h1, Vec<T> h2, Vec<T> b, std::type_identity_t<T> t)
{
    const T u = 1 - t;
    const Vec<T> derivative = (h1 - a) * (3 * u * u) + (h2 - h1) * (6 * t * u) + (b - h2) * (3 * t * t);
    Vec<T> tangent = unitOf(derivative);
    if (lengthOf(tangent) == T(0))
        tangent = unitOf(t < T(0.5) ? h2 - a : b - h1);
    if (lengthOf(tangent) == T(0))
        tangent = unitOf(b - a);
    return tangent;
}
} // namespace PBezier
