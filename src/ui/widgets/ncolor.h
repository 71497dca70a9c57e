#pragma once

#include "ui/widgets/nclickpeer.h"

/** The peer of a colour swatch: a button filled with the swatch's colour. */
class NColor : public NClickPeer<juce::TextButton>
{
public:
    using NClickPeer::NClickPeer;

    void paintButton(juce::Graphics& g, bool highlighted, bool down) override;
};
