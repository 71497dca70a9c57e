#pragma once

#include "ui/widgets/nclickpeer.h"

/** The peer of a check box: a tick box and the caption in the widget's font. */
class NCheck : public NClickPeer<juce::ToggleButton>
{
public:
    using NClickPeer::NClickPeer;

    void paintButton(juce::Graphics& g, bool highlighted, bool down) override;
};
