#include "ui/widgets/label.h"

#include "ui/widgets/nlabel.h"

PLabel::PLabel(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PControl(parentPane, gx, gy, gw, bitFlags)
{
    auto label = std::make_unique<NLabel>(*this);
    label->setJustificationType(juce::Justification::centredLeft);
    label->setMinimumHorizontalScale(0.8f);
    label->setBorderSize({});
    label->setInterceptsMouseClicks(true, false);
    install(std::move(label));
}

void PLabel::refreshLook()
{
    if (auto* label = dynamic_cast<juce::Label*>(getComponent()))
    {
        label->setFont(font(FontRole::caption));
        label->setColour(juce::Label::textColourId, textColour());
    }
    PControl::refreshLook();
}

void PLabel::setPlainText(const juce::String& text)
{
    captionKey.clear();
    showCaption(text);
}
