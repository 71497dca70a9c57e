#pragma once

#include <vector>

#include "draw/view2gui.h"

namespace juce
{
class OpenGLContext;
}

/** The canvas's OpenGL back-end: everything above the primitives (how a page, a shape, the grid or
    a handle is drawn) is the software view's, only clearing, colours, lines, rectangles, circles,
    paths, images and panel clipping become immediate-mode OpenGL 1.x calls. It is used only inside
    the canvas's render callback, with the surface's context current:

        glView.options = options;
        glView.setViewport(0, 0, w, h, panX, panY, zoom);   // also sets the GL frame up
        glView.drawPage(page);
        glView.endFrame();                                  // glFlush

    Each sub-path of a fill is its own contour and each sub-path of a stroke its own strip, and
    fills pass every point, so the frame shows what the software view shows. */
class PView2ogl : public PView2gui
{
public:
    explicit PView2ogl(POption* options = nullptr);
    ~PView2ogl() override;

    /** The software view's page-to-screen set-up, then the GL viewport, projection and state. */
    void setViewport(float vx, float vy, float vw, float vh, float panDx, float panDy, float zoomFactor) override;
    void endFrame() override;
    void setDepthTest(bool on);
    void clear() override;
    void fillAll(uint32_t hsla) override;
    void setColour(uint32_t hsla) override;
    void squareMarker(float cx, float cy, float halfSide, float lineWidth) override;
    void circle(float cx, float cy, float radius, float lineWidth) override;
    void line(float x1, float y1, float x2, float y2, float width) override;
    void rectangle(float rx, float ry, float rw, float rh, float lineWidth) override;
    void roundedRectangle(float rx, float ry, float rw, float rh, float corner, float lineWidth) override;
    void drawImageShape(PImage& image, const PMatrix* matrix) override;
    void drawBitmap(const juce::Image& image, const PMatrix& matrix) override;
    void path(const juce::Path& p, float lineWidth, const PMatrix* matrix) override;
    /** Fills a path made of quadrilaterals (four corners per closed sub-path) without the tessellator. */
    void quadFill(const juce::Path& p, const PMatrix* matrix);
    /** Copies a software-drawn picture of the frame's size into the frame (the high-quality frame). */
    void blit(const juce::Image& picture);

    /** Keeps the frame's pixels in an area (device pixels) in a texture of the frame's size, so
        that later frames can start from them instead of drawing the page again. */
    void keepFrame(const juce::Rectangle<int>& area);
    /** Whether a kept frame of this frame's size exists in the current context. */
    bool hasKeptFrame() const;
    /** Draws the kept frame as it was taken, or moved and scaled by a device-to-device matrix. */
    void drawKeptFrame(const PMatrix& placement);
    /** Narrows drawing, clearing included, to an area in device pixels until endScissor. */
    void beginScissor(const juce::Rectangle<int>& area);
    void endScissor();

protected:
    bool isDrawing() const override { return true; }
    void fillVaryingLine(PCurve& curve) override;
    bool beginClip(const juce::Path& pagePath) override;
    void endClip() override;

private:
    void fill(const juce::Path& p, const juce::AffineTransform& transform);
    void stroke(const juce::Path& p, const juce::AffineTransform& transform, float width);
    void drawTexture(const juce::Image& picture, const PMatrix& matrix, float opacity, bool smooth);
    void applyColour();
    void setLineWidth(float width);

    /** The outlines of the open panel or group clips, innermost last: the stencil holds that many
        nested regions, and closing one takes its outline out again. */
    std::vector<juce::Path> openClips;
    /** The current colour as GL takes it; pictures change GL's colour and put this one back. */
    float colour[4] = {0, 0, 0, 1};
    /** Device pixels to surface pixels (above 1 on a high-density display). */
    float pixelScale = 1;
    /** The frame's size in surface pixels. */
    int surfaceWidth = 0, surfaceHeight = 0;
    /** The kept frame's texture, its size, and the context it lives in (it goes with that). */
    unsigned int keptTexture = 0;
    int keptWidth = 0, keptHeight = 0;
    const void* keptContext = nullptr;
    /** An area in device pixels as surface pixels counted from the bottom left, as GL counts. */
    juce::Rectangle<int> toSurface(const juce::Rectangle<int>& area) const;
};
