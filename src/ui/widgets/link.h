#pragma once

#include "ui/widgets/control.h"

/** A link caption that opens its target (a web address or a file) when clicked. */
class PLink : public PControl
{
public:
    PLink(PPane* parent, int x, int y, int w, int flags);

    void activate() override;
    void refreshLook() override;

    void setTarget(const juce::URL& url);

    juce::URL target;
};
