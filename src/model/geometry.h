#pragma once

#include <cstdint>

/** Axis-aligned rectangle in page units. The empty accumulator grows by minima and maxima. */
struct PRect
{
    static constexpr float emptyLow = 1e38f;
    static constexpr float emptyHigh = -1e38f;

    float left = emptyLow, top = emptyLow, right = emptyHigh, bottom = emptyHigh;

    static PRect empty() { return {}; }
    static PRect of(float l, float t, float r, float b) { return {l, t, r, b}; }

    bool isEmpty() const { return right < left || bottom < top; }
    float width() const { return right - left; }
    float height() const { return bottom - top; }

    void include(float x, float y);
    void include(const PRect& other);
    bool contains(float x, float y) const;
    bool containsRect(const PRect& other) const;
    void scaleAboutCentre(float factor);
    PRect transformBounds(const struct PMatrix& m) const;
};

/** 3 x 3 matrix in column order: (x, y) maps to (m0 x + m3 y + m6, m1 x + m4 y + m7). */
struct PMatrix
{
    float m[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

    static PMatrix identity() { return {}; }
    static PMatrix zero();
    static PMatrix scale(float sx, float sy);
    static PMatrix rotation(float angle);
    static PMatrix translation(float tx, float ty);

    /** this x other: the result applies other first, then this. */
    PMatrix operator*(const PMatrix& other) const;
    void transform(float& x, float& y) const;
    /** Maps a point back through the affine part; false (point unchanged) when the matrix is singular. */
    bool transformBack(float& x, float& y) const;
    bool operator==(const PMatrix& other) const;
};

/** Round to the nearest integer, halves away from zero. */
int roundHalfAway(double v);

/** Document colours are HSLA words 0xAAHHSSLL; drawing wants 0xAARRGGBB. */
uint32_t hslaToArgb(uint32_t hsla);
uint32_t argbToHsla(uint32_t argb);

/** The bytes of a colour word, the same for both layouts: alpha on top, then hue or red,
    saturation or green, lightness or blue. An alpha of 0 means the colour is not drawn. */
constexpr uint32_t alphaOf(uint32_t colour)
{
    return colour >> 24;
}
constexpr uint32_t highByteOf(uint32_t colour)
{
    return (colour >> 16) & 0xFFu;
}
constexpr uint32_t middleByteOf(uint32_t colour)
{
    return (colour >> 8) & 0xFFu;
}
constexpr uint32_t lowByteOf(uint32_t colour)
{
    return colour & 0xFFu;
}
constexpr uint32_t colourWord(uint32_t alpha, uint32_t high, uint32_t middle, uint32_t low)
{
    return alpha << 24 | high << 16 | middle << 8 | low;
}
