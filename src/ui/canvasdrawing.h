#pragma once

#include <functional>
#include <vector>

#include <juce_graphics/juce_graphics.h>

#include "edit/strokefit.h"

class PCanvas2;
class PCanvasRenderer;
class PCanvasSelection;
class PView2gui;

/** Draw mode's gesture, as on paper: the pointer's path while the button is down is kept in pane
    pixels with its time and pressure and shown over the kept page picture; the release fits it
    with few anchors and adds the curve (a brush stroke in the Decor pane) as one undoable step,
    selected at once. In the Pages pane the drag spans a new panel instead. A click, or a stroke
    too short to see, adds nothing.

        if (drawing.draws()) drawing.press(x, y);   // then drag, release
*/
class PCanvasDrawing
{
public:
    /** A panel's drag shorter than this many pixels either way is taken for a slip. */
    static constexpr float smallestPanel = 10;

    PCanvasDrawing(PCanvas2& canvas, PCanvasSelection& selection, PCanvasRenderer& renderer);

    /** Whether a press now draws: Draw mode with something shown to draw into. */
    bool draws() const;
    bool isDrawing() const { return drawing; }
    void press(float sx, float sy);
    void drag(float sx, float sy);
    void release(float sx, float sy);
    /** The stroke so far, or the panel's rectangle, over the page in pane pixels. */
    void drawLive(PView2gui& view) const;

    /** Milliseconds and pen pressure of the event being handled (pressure below 0 when the
        device reports none); a headless driver sets its own. */
    std::function<double()> clock;
    std::function<float()> pressure;

private:
    bool drawsPanels() const;
    void addSample(float sx, float sy);
    void finishStroke();
    void finishPanel();
    juce::Point<float> snapped(juce::Point<float> screen) const;

    PCanvas2& canvas;
    PCanvasSelection& selection;
    PCanvasRenderer& renderer;
    std::vector<PStrokeFit::Sample> samples;
    bool drawing = false;
};
