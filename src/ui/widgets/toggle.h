#pragma once

#include "ui/widgets/control.h"

/** A button-like control with an on/off state that can be chained with others in a radio
    ring: in a ring exactly one member stays on, and clicking the lit member changes nothing.

        mode1->joinRing(*mode0);
        mode2->joinRing(*mode0);   // mode0, mode1 and mode2 now exclude each other
*/
class PToggle : public PControl
{
public:
    using PControl::PControl;
    ~PToggle() override;

    /** Reacts to the peer having been clicked: keeps the ring consistent, then reports. */
    void activate() override;

    /** Adds this control to the ring of member (a ring of one when member has none). */
    void joinRing(PToggle& member);
    bool isOn() const;
    /** Sets the state without reporting; turning a ring member on turns the others off. */
    void setOn(bool on);

    PToggle* ringNext = nullptr;
    bool cachedOn = false;

protected:
    /** Tells the owner of a click; changed says whether the state differs from the cached one. */
    virtual void report(bool changed) = 0;
    void setPeerState(bool on);
    void setClickingToggles(bool on);

private:
    void leaveRing();
};
