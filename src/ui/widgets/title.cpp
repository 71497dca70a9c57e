#include "ui/widgets/title.h"

#include "ui/widgets/ntitle.h"

PTitle::PTitle(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PControl(parentPane, gx, gy, gw, bitFlags)
{
    auto label = std::make_unique<NTitle>(*this);
    label->setJustificationType(juce::Justification::centredLeft);
    label->setBorderSize({});
    install(std::move(label));
}

void PTitle::refreshLook()
{
    if (auto* label = dynamic_cast<juce::Label*>(getComponent()))
    {
        label->setFont(font(FontRole::caption).boldened());
        label->setColour(juce::Label::textColourId, textColour());
    }
    PControl::refreshLook();
}

void PTitle::paint(juce::Graphics& g)
{
    auto* c = getComponent();
    if (c == nullptr)
        return;
    g.setColour(darkColour());
    g.fillRect(0, c->getHeight() - 2, c->getWidth(), 1);
}
