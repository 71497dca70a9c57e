#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>
#include <vector>

#include "draw/deform.h"
#include "model/geometry.h"

class POption;
class PBase;
class PShape;
class PPage;
class PPanel;
class PLayer;
class PClip;
class PDecor;
class PTypeface;
class PImage;
class PGroup;
class PBrush;
class PCurve;
class PText;

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

    /** View flag bits. */
    static constexpr uint32_t simplifiedLines = 0x1;
    static constexpr uint32_t simplifiedAll = 0x2;
    static constexpr uint32_t outputMode = 0x4;
    static constexpr uint32_t noFills = 0x8;
    static constexpr uint32_t currentOnly = 0x10;
    static constexpr uint32_t whiteFills = 0x40;
    static constexpr uint32_t blackFills = 0x80;
    static constexpr uint32_t pageGuides = 0x11000000;

    /** The kinds of back-end. */
    enum Kind : int { none = 0, gui = 1, openGL = 2, pdf = 3, svg = 4 };

    PView2() = default;
    virtual ~PView2() = default;
    PView2(const PView2&) = delete;
    PView2& operator=(const PView2&) = delete;

    // The drawing operations, in the order every back-end shares. Most do nothing here; each
    // back-end overrides what it draws. Coordinates are page centimetres unless a matrix is given.
    virtual int kind() const { return none; }
    virtual void endFrame() {}
    virtual void setViewport(float vx, float vy, float vw, float vh, float panX, float panY, float zoomFactor);
    virtual void clear() {}
    /** Spacing 0 or less means the options' grid spacing. */
    virtual void drawGrid(float spacing) { (void) spacing; }
    virtual void drawPageOutline(float width, float height, float corner) { (void) width, (void) height, (void) corner; }
    virtual void drawReferenceImage(PImage& image) { (void) image; }
    virtual void drawEditOverlay(PBase& object) { (void) object; }
    virtual void drawPage(PPage& page) { (void) page; }
    virtual void drawPanel(PPanel& panel) { (void) panel; }
    virtual void drawSinglePanel(PPanel& panel) { (void) panel; }
    virtual void drawLayer(PLayer& layer) { (void) layer; }
    virtual void drawClip(PClip& clip) { (void) clip; }
    virtual void drawDecor(PDecor& decor) { (void) decor; }
    /** Colours are document colours (0xAAHHSSLL). */
    virtual void fillAll(uint32_t hsla) { (void) hsla; }
    virtual void setColour(uint32_t hsla) { (void) hsla; }
    virtual void setFont(const PTypeface& face) { (void) face; }
    /** A line width of 0 fills the primitive. */
    virtual void squareMarker(float cx, float cy, float halfSide, float lineWidth) { (void) cx, (void) cy, (void) halfSide, (void) lineWidth; }
    virtual void circle(float cx, float cy, float radius, float lineWidth) { (void) cx, (void) cy, (void) radius, (void) lineWidth; }
    virtual void line(float x1, float y1, float x2, float y2, float width) { (void) x1, (void) y1, (void) x2, (void) y2, (void) width; }
    virtual void rectangle(float rx, float ry, float rw, float rh, float lineWidth) { (void) rx, (void) ry, (void) rw, (void) rh, (void) lineWidth; }
    virtual void roundedRectangle(float rx, float ry, float rw, float rh, float corner, float lineWidth)
    {
        (void) rx, (void) ry, (void) rw, (void) rh, (void) corner, (void) lineWidth;
    }
    /** The shape's picture at its full pixel size under matrix (none: untransformed). */
    virtual void drawImageShape(PImage& image, const PMatrix* matrix) { (void) image, (void) matrix; }
    virtual void drawBitmap(const juce::Image& image, const PMatrix& matrix) { (void) image, (void) matrix; }
    /** Strokes the path lineWidth wide, or fills it when lineWidth is 0; matrix none: identity. */
    virtual void path(const juce::Path& p, float lineWidth, const PMatrix* matrix) { (void) p, (void) lineWidth, (void) matrix; }
    virtual void drawPanelGroup(PGroup& group) { (void) group; }
    /** Shared by every back-end: the generated strokes, or the guide alone. */
    virtual void drawBrush(PBrush& brush, bool guide);
    virtual void drawCurve(PCurve& curve, bool selected) { (void) curve, (void) selected; }
    virtual void drawText(PText& text, bool selected) { (void) text, (void) selected; }
    virtual void drawImage(PImage& image, bool selected, bool reference) { (void) image, (void) selected, (void) reference; }
    // The back-ends' own group operations.
    virtual void drawGroup(PGroup& group) { (void) group; }
    virtual void drawDeformedGroup(PGroup& group) { (void) group; }

    /** A panel's layers in drawing order: by index when either sorts by number, else by name. */
    static std::vector<PLayer*> sortedLayers(const PPanel& panel);

    /** Line width in centimetres for a layer's pen setting. */
    static float penWidthFor(int penSetting);
    float penWidth() const { return penWidthFor(penSetting); }

    /** Saves the current matrix and multiplies the shape's transform onto it (nothing at full depth). */
    void pushShape(const PShape& shape);
    /** Saves the current matrix without changing it. */
    void push();
    /** Restores the last saved matrix (nothing when none is saved). */
    void pop();
    /** Current matrix and its inverse back to identity; the stack and the warp stages are emptied. */
    void resetMatrices();
    /** A point of the current shape's coordinates in page coordinates (warped inside a deformed group). */
    void mapToPage(float& x, float& y) const;
    /** A point of the current shape's coordinates on the device. */
    void mapPoint(float& x, float& y) const;

    /** Switches the warp of a deformed group on for its members; the current matrix must be the
        group's. Stages of nested deformed groups compose. The members' cached geometry is dropped,
        so that what an undeformed build left behind is rebuilt through the warp. */
    void beginDeform(const PGroup& group);
    /** Switches the warp of the innermost deformed group off again. */
    void endDeform();
    /** Warps a page point through every active stage, innermost first. */
    void deformPoint(float& x, float& y) const;
    /** The page point that the active stages warp onto (x, y); false when none is found. */
    bool undeformPoint(float& x, float& y) const;
    bool isDeforming() const { return !deformStages.empty(); }

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
    /** The mode of the innermost active stage, 1 (off) outside deformed groups. */
    uint16_t deformMode = PDeform::off;
    /** One stage per deformed group being drawn, outermost first. */
    std::vector<PDeform> deformStages;
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
