#pragma once

#include <memory>
#include <vector>

#include "draw/view2gui.h"
#include "draw/view2ogl.h"
#include "ui/canvaspicture.h"
#include "ui/hitkind.h"

class PCanvas2;
class PCanvasSelection;
class PPointOverlay;
class PShape;

/** Draws the canvas's frames through the software or the OpenGL view, keeps the page as a
    picture so that a drag redraws only the shape it moves and an edit only where the changed
    shapes were and are, and maps between pane pixels and page
    units for the gestures and commands. Handles are placed here, so that what a press hits is
    what the frame showed.

        renderer.prepare();                       // once per mouse event
        const auto p = renderer.toPage(x, y);
*/
class PCanvasRenderer
{
public:
    /** What the next frame shows besides the page. */
    enum class Frame : uint8_t
    {
        /** The page alone, no wallpaper or handles. */
        plain = 1,
        withOverlay = 2,
        /** One frame at the finest resampling, then back to withOverlay. */
        highQuality = 3,
        withBand = 4,
        /** The page as when editing, with the line or panel being drawn over it. */
        withStroke = 5
    };

    /** Handles are this many pixels from their centre to their edge, whatever the zoom. */
    static constexpr float handleReach = 6;
    /** The rotation handle stands this many pixels above the selection. */
    static constexpr float rotationHandleLift = 24;

    PCanvasRenderer(PCanvas2& canvas, PCanvasSelection& selection);
    ~PCanvasRenderer();

    void paint(juce::Graphics& g);
    void renderGL();
    /** Sets the software view, which every gesture converts through, up for the pane's size,
        zoom and pan. */
    void prepare() { prepareView(softView); }
    /** Something may have changed: the next frame looks for changed shapes and redraws where
        they were and are. */
    void invalidate() { picture.invalidate(); }
    /** The page is drawn again in full next time. */
    void invalidateAll() { picture.invalidateAll(); }
    void repaintWith(Frame next);

    juce::Point<float> toPage(float sx, float sy) const;
    juce::Point<float> toScreen(float px, float py) const;
    float pixelsToPage(float pixels) const;
    juce::Point<float> paneCentre() const;

    /** The screen box of the selected shape; empty without one. */
    juce::Rectangle<float> screenBounds() const;
    juce::Point<float> handlePosition(PHitKind handle) const;
    juce::Point<float> deformHandle(int i) const;
    /** The point overlay of the selected curve in point mode, or null. */
    std::unique_ptr<PPointOverlay> pointOverlay() const;
    /** The screen positions of the handles shown now (see PCanvas2::handlePositions). */
    std::vector<juce::Point<float>> handlePositions();

    Frame frame = Frame::withOverlay;
    bool needsFit = true;
    PView2gui softView;
    PView2ogl glView;
    /** The page as last drawn, without the furniture and without the shape a drag moves. */
    juce::Image pagePicture;
    /** What the kept picture (or, in the OpenGL canvas, the kept texture) shows. */
    PCanvasPicture picture;

private:
    void prepareView(PView2gui& view);
    uint32_t viewFlags() const;
    /** One frame of either back-end: the page, the grid, the overlay, the band and the border. */
    void drawFrame(PView2gui& view);
    void drawContent(PView2gui& view);
    void drawFurniture(PView2gui& view);
    void drawShown(PView2gui& view);
    PCanvasPicture::Key pictureKey() const;
    bool wallShown() const;
    PCanvasPicture::Plan planPicture(const PShape* moving, bool kept);
    void refreshPicture(const PShape* moving);
    void drawPicture(const PShape* moving);
    /** Shows the old picture moved and scaled to the new zoom at once, and asks for the sharp one. */
    void drawScaledPicture();
    void askForSharpFrame();
    /** Walks the shown shapes without painting, noting where each inks. */
    void measureShapes(PCanvasPicture::Inked& inked, const PShape* moving);
    /** The page's content where a plan says, the shapes outside its area passed over. */
    void drawContentIn(PView2gui& view, const PCanvasPicture::Plan& plan, const PShape* moving);
    bool redrawInScratch(const PCanvasPicture::Plan& plan, const PShape* moving);
    void renderKeptGL(const PShape* moving);
    void drawMoving(PView2gui& view, PShape& moving);
    void drawHighQualityFrame();
    void drawOverlay(PView2gui& view);
    void drawBrushGuide(PView2gui& view);
    void drawShapeHandles(PView2gui& view);
    void drawDeformHandles(PView2gui& view);
    void drawBand(PView2gui& view);
    void drawBorder(PView2gui& view);
    bool rowsShown() const;

    PCanvas2& canvas;
    PCanvasSelection& selection;
    /** Where a partial redraw is drawn before its changed area is copied into the picture. */
    juce::Image scratch;
};
