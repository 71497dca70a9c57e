#pragma once

#include <vector>

#include "draw/view2gui.h"
#include "draw/view2ogl.h"
#include "edit/actionshape.h"
#include "ui/widgets/pane.h"

class PPage;
class PPoint;
class PShape;
class PWorld;

/** The page as the artist edits it: draws the open page through the software view and turns
    presses, drags and releases into one undoable action each. A click that does not move
    changes nothing; keys arriving while a button is held are ignored.

        auto* canvas = new PCanvas2(&content, 0, 0, -1, -1);
        canvas->setWorld(&world);   // the page comes from the world's edit context
*/
class PCanvas2 : public PPane
{
public:
    /** What the frame shows besides the page. */
    static constexpr uint16_t plainFrame = 1, withOverlay = 2, highQuality = 3, withBand = 4;
    /** What the last press hit. */
    static constexpr uint16_t hitNothing = 0, hitShape = 1, hitPoint = 4, hitBody = 17, hitRotate = 18, hitScaleX = 19,
                              hitScaleY = 20, hitScaleBoth = 22;
    /** The edit modes the canvas answers to. */
    static constexpr uint16_t markingMode = 3, shapeMode = 4, pointMode = 5;
    /** Handles are this many pixels from their centre to their edge, whatever the zoom. */
    static constexpr float handleReach = 6;
    /** The rotation handle stands this many pixels above the selection. */
    static constexpr float rotationHandleLift = 24;

    /** An OpenGL pane when openGL is asked for, else an inset plain pane; both draw the same frame. */
    PCanvas2(PPane* parent, int x, int y, int w, int h, bool openGL = false);

    void setWorld(PWorld* session);
    /** Re-reads page, shape and point from the world's edit context. */
    void readSelection();

    void paint(juce::Graphics& g) override;
    void renderGL(juce::OpenGLContext& context) override;
    void onMouseDown(float sx, float sy) override;
    void onMouseDrag(float sx, float sy) override;
    void onMouseUp(float sx, float sy) override;
    void onWheel(bool up) override;
    void onCommand(PWidget* source, uint16_t code) override;
    void onNotify(uint16_t code) override;

    /** A screen position of the pane as a page point, and back, for the view as last prepared (by a
        frame or by the gesture handlers, which prepare it once per event). */
    juce::Point<float> toPage(float sx, float sy);
    juce::Point<float> toScreen(float px, float py);

    PWorld* world = nullptr;
    PPage* page = nullptr;
    PShape* shape = nullptr;
    PPoint* point = nullptr;
    uint16_t renderMode = withOverlay;
    bool needsFit = true;
    uint16_t hitKind = hitNothing;
    float pressX = 0, pressY = 0, bandX = 0, bandY = 0, grabDX = 0, grabDY = 0;
    /** The shapes picked by the clicks so far at one spot, so that the next click picks the next. */
    std::vector<PShape*> hits;
    PActionShape::Placement savedTransform;
    float savedX = 0, savedY = 0;
    bool buttonDown = false;
    PView2gui softView;
    PView2ogl glView;

private:
    /** Sets a view up for the pane's size, zoom and pan; the software view, which every gesture
        converts through, is prepared once per mouse event. */
    void prepareView(PView2gui& view);
    void prepareView() { prepareView(softView); }
    /** One frame of either back-end: the page, the grid, the overlay, the band and the border. */
    void drawFrame(PView2gui& view);
    void drawHighQualityFrame();
    uint16_t editMode() const;
    bool snapping() const;
    /** The selection's handle under a screen position, or hitNothing. */
    uint16_t handleAt(float sx, float sy, int& index);
    /** The selection's bounds on the screen. */
    juce::Rectangle<float> screenBounds() const;
    juce::Point<float> handlePosition(uint16_t handle) const;
    PShape* pick(float px, float py);
    void select(PShape* picked, PPoint* pickedPoint);
    void dragShape(float sx, float sy);
    void dragPoint(float sx, float sy);
    void finishGesture(bool moved);
    juce::Point<float> snappedPage(float sx, float sy);
    void removeSelection();
    void drawOverlay(PView2gui& view);
    void drawBorder(PView2gui& view);
    void clearDragState();
};
