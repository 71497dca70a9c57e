#pragma once

#include "ui/widgets/control.h"

/** A heading: bold translated text over a rule in the style's dark colour. Reports nothing. */
class PTitle : public PControl
{
public:
    PTitle(PPane* parent, int x, int y, int w, int flags);

    void refreshLook() override;
    void paint(juce::Graphics& g) override;
};
