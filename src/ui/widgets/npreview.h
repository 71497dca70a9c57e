#pragma once

#include "ui/widgets/npeer.h"

/** The peer of a preview: a plain component whose picture the handler paints. */
class NPreview : public NPeer<juce::Component>
{
public:
    using NPeer::NPeer;

    void paint(juce::Graphics& g) override { handler->paint(g); }
};
