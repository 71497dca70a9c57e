#pragma once

#include "ui/widgets/control.h"

/** A slider with positions 0-100 that stand for values by kind. Reports onChange with the final
    position; with `live` set, each position during a drag goes to the owner's onChanging. */
class PSlider : public PControl
{
public:
    static constexpr int lowestPosition = 0, highestPosition = 100;

    /** The values the positions stand for. */
    enum class Kind : uint8_t
    {
        /** 0 ... 1 */
        unit,
        /** 0.1 ... 1 */
        fraction,
        /** -pi ... pi */
        turn,
        /** -pi/2 ... pi/2 */
        halfTurn
    };

    PSlider(PPane* parent, int x, int y, int w, int flags, Kind kind);

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

    static float valueFor(Kind kind, int position);
    static int positionFor(Kind kind, float value);

    Kind kind;
    bool live = false;
    int cachedPosition = 0;
};
