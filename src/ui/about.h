#pragma once

#include "ui/widgets/pane.h"

class PButton;
class PNote;

/** The about box: the program's name, its version and its licence. */
class PAbout : public PPane
{
public:
    static constexpr int columns = 18, rows = 8;

    PAbout(POption* options, const juce::String& version);

    /** Shows the box modally until it is closed. */
    static void show(POption& options, const juce::String& version);

    void onClick(PWidget* source) override;

    PNote* text = nullptr;
    PButton* closeButton = nullptr;
};
