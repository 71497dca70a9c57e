#include "ui/widgets/link.h"

#include "ui/widgets/nlink.h"

PLink::PLink(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PControl(parentPane, gx, gy, gw, bitFlags)
{
    install(std::make_unique<NLink>(*this));
}

void PLink::activate()
{
    if (!target.isEmpty())
        target.launchInDefaultBrowser();
}

void PLink::refreshLook()
{
    if (auto* link = dynamic_cast<juce::HyperlinkButton*>(getComponent()))
    {
        link->setFont(font(FontRole::link), false, juce::Justification::centredLeft);
        link->setColour(juce::HyperlinkButton::textColourId, juce::Colour(0xff1a4fa0));
    }
    PControl::refreshLook();
}

void PLink::setTarget(const juce::URL& url)
{
    target = url;
    if (auto* link = dynamic_cast<juce::HyperlinkButton*>(getComponent()))
        link->setURL(url);
}
