#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

#include "model/geometry.h"

class POption;
class PBase;
class PShape;

/** The drawing back-end every picture is made through: view state, the page-to-device
    matrix and the stack of shape transforms. The back-ends derive from it.

    Shapes build their cached geometry in page coordinates through the current matrix:
        view.pushShape(shape); ... view.mapToPage(x, y) ...; view.pop();
*/
class PView2
{
public:
    static constexpr int stackDepth = 9;
    static constexpr float inchesPerCentimetre = 0.3937007784843445f;

    /** The kinds of back-end. */
    enum Kind : int { none = 0, gui = 1, openGL = 2, pdf = 3, svg = 4 };

    PView2() = default;
    virtual ~PView2() = default;
    PView2(const PView2&) = delete;
    PView2& operator=(const PView2&) = delete;

    virtual int kind() const { return none; }
    virtual void setViewport(float vx, float vy, float vw, float vh, float panX, float panY, float zoomFactor);

    /** Line width in centimetres for a layer's pen setting. */
    static float penWidthFor(int penSetting);
    float penWidth() const { return penWidthFor(penSetting); }

    /** Saves the current matrix and multiplies the shape's transform onto it (nothing at full depth). */
    void pushShape(const PShape& shape);
    /** Saves the current matrix without changing it. */
    void push();
    /** Restores the last saved matrix (nothing when none is saved). */
    void pop();
    /** Current matrix and its inverse back to identity; the stack is emptied. */
    void resetMatrices();
    /** A point of the current shape's coordinates in page coordinates. */
    void mapToPage(float& x, float& y) const;
    /** A point of the current shape's coordinates on the device. */
    void mapPoint(float& x, float& y) const;

    POption* options = nullptr;
    const PBase* fitSource = nullptr;
    uint32_t flags = 0;
    uint16_t mode = 0;
    int16_t dpi = 72;
    uint8_t flipY = 0;
    uint8_t secondFlag = 0;
    float fitFactor = 1, fitOffsetX = 0, fitOffsetY = 0;
    float zoom = 1, panX = 0, panY = 0;
    float tolerance = 1.0f;
    uint16_t penSetting = 50;
    PMatrix device, deviceInverse;
    PMatrix current, currentInverse;
    std::array<PMatrix, stackDepth> stackMatrix {}, stackInverse {};
    uint16_t depth = 0;
    uint16_t deformMode = 0;
    float pixelsPerUnitX = 1, pixelsPerUnitY = -1;
    float originX = 0, originY = 0;
    float viewX = 0, viewY = 0, viewW = 1, viewH = 1;
};

/** The closed four-corner path of a shape's raw rectangle on the page: through the shape's own
    transform, applied here so that it never depends on room in the view's matrix stack, then
    through the view's current matrix (the transform of the shape's parents). */
juce::Path buildBoxPath(const PRect& raw, const PMatrix& own, PView2& view);
/** A path's bounds as a page rectangle; zero for an empty path. */
PRect pathBounds(const juce::Path& path);
