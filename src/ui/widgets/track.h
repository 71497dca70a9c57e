#pragma once

#include "ui/widgets/control.h"

/** A drag pad of 2 x 2 cells. Dragging it reports the offset from where the drag began to
    the owner's onView at the press, while dragging and at the release, in units
    of pixels x trackSpeed / 50, right and up positive. With the options' cursor lock the
    pointer is held in place, so that the pad can be dragged without limit. */
class PTrack : public PControl
{
public:
    PTrack(PPane* parent, int x, int y);

    void layout() override;
    void refreshLook() override;
    juce::Font captionFont() const override { return font(FontRole::pad); }
    void onMouseDown(float mx, float my) override;
    void onMouseDrag(float mx, float my) override;
    void onMouseUp(float mx, float my) override;

    /** The units a drag of some pixels is worth at a track speed. */
    static float unitsForPixels(float pixels, float speed);

private:
    void report(PTrackPhase phase);
    bool lockEnabled() const;

    juce::Point<float> start, offset;
    bool locked = false;
};
