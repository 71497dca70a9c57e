#pragma once

#include <cstdint>
#include <vector>

#include <juce_graphics/juce_graphics.h>

#include "model/geometry.h"
#include "ui/hitkind.h"

class PCurve;
class PView2gui;

/** The handles with which the artist edits the points of the selected curve, panel or brush:
    a square on every point, and beside the selected point its remove control, the switch that
    shows or hides the thickness and sharpness rows, and those two rows of five buttons each.
    Drawing and hit test share one layout, so what is hit is what is seen at every zoom.

        PPointOverlay overlay(curve, selected, shapeToScreen);
        const auto hit = overlay.hitAt(x, y, rowsShown);
*/
class PPointOverlay
{
public:
    static constexpr int buttonsPerRow = 5;
    /** Pixels from a point's centre to the edge of its square, and a button's side. */
    static constexpr float pointReach = 6, buttonSide = 14, segmentReach = 4;

    struct Hit
    {
        PHitKind kind = PHitKind::nothing;
        /** The point hit, or where a point is inserted for a segment hit. */
        int index = -1;
        /** For a segment hit: the position on the chord in the shape's own coordinates. */
        float x = 0, y = 0;
    };

    /** selected: the index of the selected point, or -1. shapeToScreen: the curve's own
        coordinates to pane pixels. */
    PPointOverlay(const PCurve& curve, int selected, const PMatrix& shapeToScreen);

    Hit hitAt(float sx, float sy, bool rowsShown) const;
    void draw(PView2gui& view, uint32_t colour, uint32_t highlight, bool rowsShown) const;

    /** The value a thickness or sharpness button sets: 0, 25, 50, 75 or 100. */
    static uint16_t valueOf(PHitKind kind);
    /** The screen square of a control of the selected point (show or hide rows, remove, value buttons). */
    juce::Rectangle<float> controlBox(PHitKind kind) const;

private:
    juce::Point<float> screenPoint(int i) const;
    Hit segmentAt(juce::Point<float> at) const;

    const PCurve& curve;
    int selected;
    PMatrix toScreen;
    std::vector<juce::Point<float>> points;
};
