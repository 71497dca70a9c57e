#pragma once

#include <array>

#include "ui/widgets/widget.h"

class PButton;

/** A five-way switch of buttons in a ring, worth 0, 25, 50, 75 and 100. Reports onChange
    when the user picks another value. */
class PSwitch : public PWidget
{
public:
    static constexpr int positions = 5;
    static constexpr std::array<int, positions> values{0, 25, 50, 75, 100};

    /** w cells in all, shared by the five buttons (at least one cell each). */
    PSwitch(PPane* parent, int x, int y, int w);
    ~PSwitch() override;

    void onClick(PWidget* source) override;
    void setEnabled(bool on) override;
    void setVisible(bool on) override;
    void setTooltip(const juce::String& key) override;

    /** The value of the first button that is on, 0 when none is. */
    int getValue() const;
    /** Turns on the button of that value (none when no button has it), without reporting. */
    void setValue(int value);

    std::array<PButton*, positions> buttons{};
};
