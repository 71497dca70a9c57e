#pragma once

#include "ui/widgets/toggle.h"

/** A push button with a translated caption and, optionally, an arrow glyph. In a radio ring
    it stays pressed; `setToggle` makes a lone button a switch. Reports onClick.

        auto* accept = new PButton(pane, 1, 8, 4, 0);
        accept->setText("Text.Accept");
*/
class PButton : public PToggle
{
public:
    static constexpr int noArrow = -1;

    PButton(PPane* parent, int x, int y, int w, int flags);

    void paint(juce::Graphics& g) override;
    void refreshLook() override;

    /** Draws an arrow pointing at an angle in degrees clockwise from up (noArrow: none). */
    void setArrow(int degrees);
    /** Lets a click flip the button between up and down. */
    void setToggle(bool on);

    int arrowAngle = noArrow;

protected:
    void report(bool changed) override;
};
