#include "ui/widgets/radio.h"

#include "ui/widgets/nradio.h"

PRadio::PRadio(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PToggle(parentPane, gx, gy, gw, bitFlags)
{
    install(std::make_unique<NRadio>(*this));
}

void PRadio::refreshLook()
{
    if (auto* c = getComponent())
    {
        c->setColour(juce::ToggleButton::textColourId, textColour());
        c->setColour(juce::ToggleButton::tickColourId, darkColour().darker(0.6f));
    }
    PToggle::refreshLook();
}

void PRadio::report(bool changed)
{
    if (changed && owner != nullptr)
        owner->onChange(this);
}
