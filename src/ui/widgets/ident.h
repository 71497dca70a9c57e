#pragma once

#include "ui/command.h"
#include "ui/popup.h"
#include "ui/widgets/control.h"

class PButton;

/** A two-digit number 0-99 with a down and an up button beside it. A left click on the
    number picks the tens digit from a menu, a right click the units digit. Reports
    onChange when the value changed.

        auto* seed = new PIdent(pane, 1, 4, 4);   // down, number, number, up
        seed->setValue(7);
*/
class PIdent : public PControl
{
public:
    static constexpr int lowest = 0, highest = 99;

    /** w cells in all (at least three): the down button, the number, the up button. */
    PIdent(PPane* parent, int x, int y, int w);
    ~PIdent() override;

    void activate() override;
    void onPopup(PWidget* source) override;
    void onClick(PWidget* source) override;
    void setEnabled(bool on) override;
    void setVisible(bool on) override;
    void refreshLook() override;
    void setTooltip(const juce::String& key) override;

    int getValue() const { return value; }
    /** Shows a value (clamped to 0-99) without reporting. */
    void setValue(int v);
    /** The value after a digit menu's line: a tens line replaces the tens digit, a units line
        the units digit; any other code leaves the value. */
    static int applyMenuCode(int value, PCommand code);

    PButton* down = nullptr;
    PButton* up = nullptr;

private:
    void choose(PPopup::Kind menuKind);
    void changeTo(int v);
    void updateButtons();

    int value = 0;
};
