#pragma once

#include "ui/widgets/nclickpeer.h"

/** The peer of a radio button: a round mark and the caption in the widget's font. */
class NRadio : public NClickPeer<juce::ToggleButton>
{
public:
    using NClickPeer::NClickPeer;

    void paintButton(juce::Graphics& g, bool highlighted, bool down) override;
};
