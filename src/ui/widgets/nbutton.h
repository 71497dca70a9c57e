#pragma once

#include "ui/widgets/nclickpeer.h"

/** The peer of a push button: the library's text button drawn with the widget's caption font. */
class NButton : public NClickPeer<juce::TextButton>
{
public:
    using NClickPeer::NClickPeer;

    void paintButton(juce::Graphics& g, bool highlighted, bool down) override;
};
