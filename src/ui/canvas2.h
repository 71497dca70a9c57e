#pragma once

#include <vector>

#include "ui/canvascommands.h"
#include "ui/canvasdrawing.h"
#include "ui/canvasgestures.h"
#include "ui/canvasrenderer.h"
#include "ui/canvasselection.h"
#include "ui/widgets/pane.h"

class PWorld;

/** The page as the artist edits it: draws what the side pane shows (a page, one panel, a clip or
    a decor item) through the software or the OpenGL view, and turns presses, drags, releases,
    keys and popup commands into one undoable action each. A click that does not move changes
    nothing; keys arriving while a button is held are ignored.

    The pane holds what is shown and selected and hands each event on: frames to its renderer,
    the mouse to its gestures (to its drawing in Draw mode), keys, popups and the add buttons to its commands.

        auto* canvas = new PCanvas2(&content, 0, 0, -1, -1, options.openGLCanvas);
        canvas->setWorld(&world);   // page and selection come from the world's edit context
*/
class PCanvas2 : public PPane
{
public:
    /** An OpenGL pane when openGL is asked for, else an inset plain pane; both draw the same frame. */
    PCanvas2(PPane* parent, int x, int y, int w, int h, bool openGL = false);
    ~PCanvas2() override;

    void setWorld(PWorld* session);
    /** Re-reads side pane, page, shape and point from the world's edit context. */
    void readSelection();

    void paint(juce::Graphics& g) override;
    void renderGL(juce::OpenGLContext& context) override;
    void onMouseDown(float sx, float sy) override;
    void onMouseDrag(float sx, float sy) override;
    void onMouseUp(float sx, float sy) override;
    void onWheel(bool up) override;
    void onCommand(PWidget* source, PKeyCommand key) override;
    void onNotify(PNotify code) override;
    void onPopup(PWidget* source) override;
    void onMenu(PCommand code) override;

    /** The screen positions of the handles shown now: the selection's scale and turn handles,
        the deform handles, or the point overlay's squares and the selected point's controls. */
    std::vector<juce::Point<float>> handlePositions() { return renderer.handlePositions(); }
    /** The shape list of what is shown (a page's panels, a layer's, clip card's or decor's shapes). */
    PArray* shownList() const { return selection.insertionPlace().list; }
    /** A screen position of the pane as a page point, and back, for the view as last prepared (by a
        frame or by the gesture handlers, which prepare it once per event). */
    juce::Point<float> toPage(float sx, float sy) const { return renderer.toPage(sx, sy); }
    juce::Point<float> toScreen(float px, float py) const { return renderer.toScreen(px, py); }

    PCanvasSelection selection;
    PCanvasRenderer renderer{*this, selection};
    PCanvasGestures gestures{*this, selection, renderer};
    PCanvasCommands commands{*this, selection, renderer};
    PCanvasDrawing drawing{*this, selection, renderer};

private:
    void repaintWith(PCanvasRenderer::Frame frame) { renderer.repaintWith(frame); }
};
