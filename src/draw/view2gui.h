#pragma once

#include <memory>

#include "draw/guitarget.h"
#include "draw/inklog.h"
#include "draw/view2.h"
#include "model/array.h"

/** The software back-end: draws pages, panels and shapes with a juce::Graphics context, on screen
    (straight into a component's context, or into a back buffer that endFrame copies there) and
    into the bitmaps of the raster export.
        PView2gui view(options);
        view.setTarget(&g);
        view.flags = PView2::outputMode;
        view.setViewport(0, 0, w, h, 0, 0, 1);
        view.drawPage(page);

    Shapes are drawn from geometry cached in page coordinates, through the device matrix. The
    primitives (markers, circles, lines, rectangles) take device coordinates, since handles and
    frames are sized in pixels whatever the zoom.
*/
class PView2gui : public PView2
{
public:
    static constexpr size_t largestImageBytes = PGuiTarget::largestImageBytes;
    static constexpr int largestSide = PGuiTarget::largestSide;

    explicit PView2gui(POption* options = nullptr);
    ~PView2gui() override;

    /** A cleared image of the given size, or an invalid one when it is too large or cannot be allocated. */
    static juce::Image makeImage(juce::Image::PixelFormat format, int width, int height)
    {
        return PGuiTarget::makeImage(format, width, height);
    }

    /** The context that endFrame copies the back buffer into, or that is drawn into directly. */
    void setTarget(juce::Graphics* target) { drawingTarget.setTarget(target); }
    /** Draws into an own picture of the viewport's size, sized by setViewport. */
    void setBackBuffered(bool on) { drawingTarget.setBackBuffered(on); }
    /** False when the back buffer is wanted but could not be allocated. */
    bool hasBackBuffer() const { return drawingTarget.hasBackBuffer(); }
    const juce::Image& getBackBuffer() const { return drawingTarget.getBackBuffer(); }

    void endFrame() override;
    void setViewport(float vx, float vy, float vw, float vh, float panDx, float panDy, float zoomFactor) override;
    void clear() override;
    void drawGrid(float spacing) override;
    void drawPageOutline(float width, float height, float corner) override;
    void drawReferenceImage(PImage& image) override;
    void drawEditOverlay(PBase& object) override;
    void drawPage(PPage& page) override;
    void drawPanel(PPanel& panel) override;
    void drawSinglePanel(PPanel& panel) override;
    void drawLayer(PLayer& layer) override;
    void drawClip(PClip& clip) override;
    void drawDecor(PDecor& decor) override;
    void fillAll(uint32_t hsla) override;
    void setColour(uint32_t hsla) override;
    void setFont(const PTypeface& face) override;
    void squareMarker(float cx, float cy, float halfSide, float lineWidth) override;
    void circle(float cx, float cy, float radius, float lineWidth) override;
    void line(float x1, float y1, float x2, float y2, float width) override;
    void rectangle(float rx, float ry, float rw, float rh, float lineWidth) override;
    void roundedRectangle(float rx, float ry, float rw, float rh, float corner, float lineWidth) override;
    void drawImageShape(PImage& image, const PMatrix* matrix) override;
    void drawBitmap(const juce::Image& image, const PMatrix& matrix) override;
    void path(const juce::Path& p, float lineWidth, const PMatrix* matrix) override;
    void drawCurve(PCurve& curve, bool selected) override;
    void drawText(PText& text, bool selected) override;
    void drawImage(PImage& image, bool selected, bool reference) override;
    /** The glyph outlines of a text in page coordinates (through the view's current matrix). */
    juce::Path textOutline(const PText& text) const;

    /** Only layers with this tag are drawn; 0 draws every layer. */
    int layerFilter = 0;

    using Inked = PInkLog::Inked;
    /** Where the top shapes of the walk ink, and which a redraw passes over. */
    PInkLog ink;
    /** While set, the walk paints nothing and only fills the ink log. */
    bool measuring = false;

protected:
    /** True while there is something to draw on; the text and overlay code skip their work otherwise. */
    virtual bool isDrawing() const { return context() != nullptr || measuring; }
    /** Matrices map (x, y) to (m0 x + m3 y + m6, m1 x + m4 y + m7). */
    static juce::AffineTransform affineOf(const PMatrix& m);
    /** Whether a path stays finite and within the rasteriser's reach under transform. */
    static bool isDrawable(const juce::Path& p, const juce::AffineTransform& transform);
    /** The opacity a picture is drawn with: its own, fainter for the reference image. */
    float imageOpacity(const PImage& image) const;
    /** Pictures in files, and those the artist asked to see smooth, are resampled finely. */
    bool isSmoothed(const PImage& image) const;
    bool isSelectedLook(const PShape& shape) const override;
    bool beginClip(const juce::Path& pagePath) override;
    void endClip() override;
    void fillPanel(PPanel& panel) override;
    void drawPanelLine(PPanel& panel) override;
    /** The outline of a line whose width varies along it. */
    virtual void fillVaryingLine(PCurve& curve);
    /** How wide a curve's line is at its thickest, in device pixels. */
    float widestLinePixels(const PCurve& curve) const;
    bool beginTopShape(const PShape& shape) override;
    void endTopShape(const PShape& shape) override;

private:
    juce::Graphics* context() const { return drawingTarget.context(); }
    bool passesFilter(const PLayer& layer) const;
    void drawLayers(PPanel& panel, PLayer* last);
    void drawLine(PCurve& curve);
    void drawGuide(PCurve& brush, bool selected);
    void drawSimplified(PCurve& curve, bool selected);
    void fillIn(const juce::Path& p, uint32_t hsla);
    void strokeIn(const juce::Path& p, uint32_t hsla, float width);
    void drawPageGuides(const PPage& page);
    PMatrix pictureToDevice(const PImage& image) const;
    uint32_t selectionColour() const;
    uint32_t highlightColour() const;
    uint32_t outlineColour() const;
    bool isOutput() const { return (flags & outputMode) != 0; }

    PGuiTarget drawingTarget;
    /** The reference image is drawn fainter than the shape's own opacity. */
    float opacityFactor = 1.0f;
};
