#pragma once

#include <vector>

#include <juce_graphics/juce_graphics.h>

#include "edit/actiondeform.h"
#include "edit/actionpoint.h"
#include "edit/actionshape.h"
#include "ui/hitkind.h"

class PArray;
class PCanvas2;
class PCanvasRenderer;
class PCanvasSelection;
class PShape;

/** The canvas's mouse: a press hit-tests the handles and the shapes, a drag writes the shape,
    point or deform grid as it goes (snapped when snapping is on), and the release keeps that
    change as one undoable step; a release where the press was puts everything back. In marking
    mode presses toggle marks and a drag pulls a band that marks what it encloses. */
class PCanvasGestures
{
public:
    PCanvasGestures(PCanvas2& canvas, PCanvasSelection& selection, PCanvasRenderer& renderer);

    void press(float sx, float sy);
    void drag(float sx, float sy);
    void release(float sx, float sy);
    void wheel(bool up);

    bool isButtonDown() const { return buttonDown; }
    /** The shape a drag in progress changes (at the top of its list), or null. */
    PShape* movingShape() const;
    /** The rubber band in pane pixels. */
    juce::Rectangle<float> band() const;
    /** The next click at a spot picks the topmost shape there again. */
    void forgetHits() { hits.clear(); }
    void clearDragState();

private:
    /** The selection's handle under a screen position (with its index), or nothing. */
    PHitKind handleAt(float sx, float sy, int& index);
    PHitKind overlayHandleAt(float sx, float sy, int& index);
    PHitKind deformHandleAt(juce::Point<float> at, int& index) const;
    PShape* pick(float px, float py);
    std::vector<PShape*> eligibleAt(float px, float py) const;
    void pressHandle(PHitKind handle, int index, float sx, float sy);
    void pressMarking(float sx, float sy);
    void setPointValue(PHitKind button);
    juce::Point<float> snappedPage(float sx, float sy);
    bool snapping() const;
    void dragShape(float sx, float sy);
    void turnShape(juce::Point<float> centre, juce::Point<float> press, juce::Point<float> origin);
    void scaleShape(juce::Point<float> centre, juce::Point<float> press, juce::Point<float> origin);
    void dragPoint(float sx, float sy);
    void dragDeform(float sx, float sy);
    void finishBand(float sx, float sy);
    void finishGesture(bool moved);
    void finishShape(bool moved);
    void finishPoint(bool moved);
    void finishDeform(bool moved);

    PCanvas2& canvas;
    PCanvasSelection& selection;
    PCanvasRenderer& renderer;
    PHitKind hitKind = PHitKind::nothing;
    bool buttonDown = false;
    float pressX = 0, pressY = 0, bandX = 0, bandY = 0, grabDX = 0, grabDY = 0;
    /** The shapes picked by the clicks so far at one spot, so that the next click picks the next. */
    std::vector<PShape*> hits;
    PActionShape::Placement savedTransform;
    PActionPoint::Values savedPoint;
    PActionDeform::Grids savedGrids;
};
