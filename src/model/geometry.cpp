#include "model/geometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

void PRect::include(float x, float y)
{
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x);
    bottom = std::max(bottom, y);
}

void PRect::include(const PRect& other)
{
    if (other.isEmpty())
        return;
    include(other.left, other.top);
    include(other.right, other.bottom);
}

bool PRect::contains(float x, float y) const
{
    return x >= left && x <= right && y >= top && y <= bottom;
}

bool PRect::containsRect(const PRect& other) const
{
    return contains(other.left, other.top) && contains(other.right, other.bottom);
}

void PRect::scaleAboutCentre(float factor)
{
    if (isEmpty())
        return;
    const float cx = (left + right) * 0.5f, cy = (top + bottom) * 0.5f;
    left = (left - cx) * factor + cx;
    right = (right - cx) * factor + cx;
    top = (top - cy) * factor + cy;
    bottom = (bottom - cy) * factor + cy;
}

PRect PRect::transformBounds(const PMatrix& matrix) const
{
    PRect out;
    const float xs[2] = {left, right}, ys[2] = {top, bottom};
    for (float x : xs)
        for (float y : ys)
        {
            float tx = x, ty = y;
            matrix.transform(tx, ty);
            out.include(tx, ty);
        }
    return out;
}

PMatrix PMatrix::zero()
{
    PMatrix z;
    std::fill(std::begin(z.m), std::end(z.m), 0.0f);
    return z;
}

PMatrix PMatrix::scale(float sx, float sy)
{
    PMatrix s = zero();
    s.m[0] = sx;
    s.m[4] = sy;
    s.m[8] = 1;
    return s;
}

PMatrix PMatrix::rotation(float angle)
{
    PMatrix r = zero();
    r.m[0] = std::cos(angle);
    r.m[1] = std::sin(angle);
    r.m[3] = -std::sin(angle);
    r.m[4] = std::cos(angle);
    r.m[8] = 1;
    return r;
}

PMatrix PMatrix::translation(float tx, float ty)
{
    PMatrix t;
    t.m[6] = tx;
    t.m[7] = ty;
    return t;
}

bool PMatrix::transformBack(float& x, float& y) const
{
    const double det = static_cast<double>(m[0]) * m[4] - static_cast<double>(m[3]) * m[1];
    if (!std::isfinite(det) || det == 0)
        return false;
    const double dx = static_cast<double>(x) - m[6], dy = static_cast<double>(y) - m[7];
    x = static_cast<float>((m[4] * dx - m[3] * dy) / det);
    y = static_cast<float>((m[0] * dy - m[1] * dx) / det);
    return true;
}

PMatrix PMatrix::operator*(const PMatrix& o) const
{
    PMatrix r = zero();
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row)
        {
            float sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += m[k * 3 + row] * o.m[col * 3 + k];
            r.m[col * 3 + row] = sum;
        }
    return r;
}

void PMatrix::transform(float& x, float& y) const
{
    const float nx = m[0] * x + m[3] * y + m[6];
    const float ny = m[1] * x + m[4] * y + m[7];
    x = nx;
    y = ny;
}

bool PMatrix::operator==(const PMatrix& other) const
{
    return std::equal(std::begin(m), std::end(m), std::begin(other.m));
}

int roundHalfAway(double v)
{
    return static_cast<int>(std::round(v));
}

namespace
{
double hueToChannel(double p, double q, double t)
{
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 0.5)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

uint32_t channelByte(double v)
{
    return static_cast<uint32_t>(std::clamp(roundHalfAway(v * 255.0), 0, 255));
}
} // namespace

uint32_t hslaToArgb(uint32_t hsla)
{
    const double l = lowByteOf(hsla) / 255.0;
    const double s = middleByteOf(hsla) / 255.0;
    const double h = highByteOf(hsla) / 255.0;
    double r = l, g = l, b = l;
    if (s > 0)
    {
        const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
        const double p = 2 * l - q;
        r = hueToChannel(p, q, h + 1.0 / 3);
        g = hueToChannel(p, q, h);
        b = hueToChannel(p, q, h - 1.0 / 3);
    }
    return colourWord(alphaOf(hsla), channelByte(r), channelByte(g), channelByte(b));
}

uint32_t argbToHsla(uint32_t argb)
{
    const double r = highByteOf(argb) / 255.0;
    const double g = middleByteOf(argb) / 255.0;
    const double b = lowByteOf(argb) / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const double l = (hi + lo) / 2;
    double h = 0, s = 0;
    if (hi > lo)
    {
        const double d = hi - lo;
        s = l > 0.5 ? d / (2 - hi - lo) : d / (hi + lo);
        if (hi == r)
            h = (g - b) / d + (g < b ? 6 : 0);
        else if (hi == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
    }
    return colourWord(alphaOf(argb), channelByte(h), channelByte(s), channelByte(l));
}
