#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

#include "model/viewstate.h"

class PArray;
class PBase;
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

/** The drawing back-end every picture is made through: the view state that shapes build
    against, and the drawing operations that each back-end overrides. */
class PView2 : public PViewState
{
public:
    PView2() = default;

    // The drawing operations, in the order every back-end shares. Most do nothing here; each
    // back-end overrides what it draws. Coordinates are page centimetres unless a matrix is given.
    virtual void endFrame() {}
    virtual void setViewport(float vx, float vy, float vw, float vh, float panX, float panY, float zoomFactor);
    virtual void clear() {}
    /** Spacing 0 or less means the options' grid spacing. */
    virtual void drawGrid(float spacing) { (void) spacing; }
    virtual void drawPageOutline(float width, float height, float corner)
    {
        (void) width, (void) height, (void) corner;
    }
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
    virtual void squareMarker(float cx, float cy, float halfSide, float lineWidth)
    {
        (void) cx, (void) cy, (void) halfSide, (void) lineWidth;
    }
    virtual void circle(float cx, float cy, float radius, float lineWidth)
    {
        (void) cx, (void) cy, (void) radius, (void) lineWidth;
    }
    virtual void line(float x1, float y1, float x2, float y2, float width)
    {
        (void) x1, (void) y1, (void) x2, (void) y2, (void) width;
    }
    virtual void rectangle(float rx, float ry, float rw, float rh, float lineWidth)
    {
        (void) rx, (void) ry, (void) rw, (void) rh, (void) lineWidth;
    }
    virtual void roundedRectangle(float rx, float ry, float rw, float rh, float corner, float lineWidth)
    {
        (void) rx, (void) ry, (void) rw, (void) rh, (void) corner, (void) lineWidth;
    }
    /** The shape's picture at its full pixel size under matrix (none: untransformed). */
    virtual void drawImageShape(PImage& image, const PMatrix* matrix) { (void) image, (void) matrix; }
    virtual void drawBitmap(const juce::Image& image, const PMatrix& matrix) { (void) image, (void) matrix; }
    /** Strokes the path lineWidth wide, or fills it when lineWidth is 0; matrix none: identity. */
    virtual void path(const juce::Path& p, float lineWidth, const PMatrix* matrix)
    {
        (void) p, (void) lineWidth, (void) matrix;
    }
    /** A group holding a panel: its members clipped to the panel. Shared by every back-end. */
    virtual void drawPanelGroup(PGroup& group);
    /** Shared by every back-end: the generated strokes, or the guide alone. */
    virtual void drawBrush(PBrush& brush, bool guide);
    virtual void drawCurve(PCurve& curve, bool selected) { (void) curve, (void) selected; }
    virtual void drawText(PText& text, bool selected) { (void) text, (void) selected; }
    virtual void drawImage(PImage& image, bool selected, bool reference)
    {
        (void) image, (void) selected, (void) reference;
    }
    /** A group's members under its transform, clipped to its frame when it has one. */
    virtual void drawGroup(PGroup& group);
    /** The same through the warp of the group's deformation. */
    virtual void drawDeformedGroup(PGroup& group);

    /** One shape of a layer, a group, a clip or a decor, dispatched on its class: the one walk of
        the shape tree that every back-end shares, so that no kind of shape reaches one picture
        and not another. Other classes (a panel outside a group) are not drawn. */
    void drawShape(PShape& shape);
    void drawShapes(const PArray& shapes);
    /** One shape of a panel's layer alone, in the panel's frame and clipped to it, drawn with the
        layer's pen: the canvas draws a dragged shape this way over a picture of the rest. */
    void drawPanelShape(PPanel& panel, uint16_t layerPen, PShape& shape);
    /** Pushes a panel's transform for drawing its layers: artwork lives in its panel's frame and
        moves, turns and scales with it. False (nothing pushed, nothing to draw) at full depth. */
    bool pushPanelFrame(const PPanel& panel);

    /** A panel's layers in drawing order: by index when either sorts by number, else by name. */
    static std::vector<PLayer*> sortedLayers(const PPanel& panel);

    /** A shape (or panel) that drawing passes over, or null: the canvas keeps a picture of the
        page without the shape a gesture moves. */
    const PBase* leftOut = nullptr;

protected:
    /** Whether a shape takes the selected look in the view's mode; a file shows none. */
    virtual bool isSelectedLook(const PShape& shape) const
    {
        (void) shape;
        return false;
    }
    /** Brackets around the members of a group (an SVG group element). */
    virtual void openGroup() {}
    virtual void closeGroup() {}
    /** Narrows drawing to a closed page path until the matching endClip, which must follow every
        call. False when nothing drawn inside could show. */
    virtual bool beginClip(const juce::Path& pagePath)
    {
        (void) pagePath;
        return true;
    }
    virtual void endClip() {}
    /** A panel's paper (its fill) and, after its content, its line. */
    virtual void fillPanel(PPanel& panel) { (void) panel; }
    virtual void drawPanelLine(PPanel& panel) { (void) panel; }

    /** Called around each shape at the top of the walk (a layer's, a clip card's, the decor's);
        a false answer from beginTopShape passes the shape over. */
    virtual bool beginTopShape(const PShape& shape)
    {
        (void) shape;
        return true;
    }
    virtual void endTopShape(const PShape& shape) { (void) shape; }

    /** Members of a group drawn with the selected look take it on. */
    bool inheritedSelected = false;

private:
    void drawGroupMembers(PGroup& group, bool warped);
    void drawFramedMembers(PGroup& group, PCurve& frame);
    void drawShapeByClass(PShape& shape);
    /** How deep the walk is in groups: 0 for the shapes at its top. */
    int shapeDepth = 0;
};
