#include "ui/widgets/check.h"

#include "ui/widgets/ncheck.h"

PCheck::PCheck(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PToggle(parentPane, gx, gy, gw, bitFlags)
{
    install(std::make_unique<NCheck>(*this));
}

void PCheck::refreshLook()
{
    if (auto* c = getComponent())
    {
        c->setColour(juce::ToggleButton::textColourId, textColour());
        c->setColour(juce::ToggleButton::tickColourId, darkColour().darker(0.6f));
        c->setColour(juce::ToggleButton::tickDisabledColourId, darkColour().darker(0.3f));
    }
    PToggle::refreshLook();
}

void PCheck::report(bool changed)
{
    if (changed && owner != nullptr)
        owner->onChange(this);
}
