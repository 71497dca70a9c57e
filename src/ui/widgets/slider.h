#pragma once

#include "ui/widgets/control.h"

/** A slider with positions 0-100 that stand for values by kind: 0 gives 0 ... 1, 1 gives
    0.1 ... 1, 2 gives -pi ... pi, 3 gives -pi/2 ... pi/2. Reports onChange with the final
    position; with `live` set, each position during a drag goes to the owner's onChanging. */
class PSlider : public PControl
{
public:
    static constexpr int lowestPosition = 0, highestPosition = 100;

    PSlider(PPane* parent, int x, int y, int w, int flags, int kind);

    void activate() override;
    void refreshLook() override;

    int getPosition() const;
    /** Shows a position (clamped to 0-100) without reporting. */
    void setPosition(int p);
    float getValue() const { return valueFor(kind, getPosition()); }
    /** Shows the position nearest to a value without reporting. */
    void setValue(float v) { setPosition(positionFor(kind, v)); }
    /** A double click returns the slider to this position. */
    void setResetPosition(int p);
    /** Called by the peer during a drag. */
    void reportChanging();

    static float valueFor(int kind, int position);
    static int positionFor(int kind, float value);

    int kind;
    bool live = false;
    int cachedPosition = 0;
};
