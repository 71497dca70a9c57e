#pragma once

#include "ui/widgets/nbutton.h"

/** The peer of a drag pad: a button whose presses and drags go to the handler. */
class NTrack : public NButton
{
public:
    using NButton::NButton;

    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
};
