#include "ui/widgets/note.h"

#include "model/translate.h"
#include "ui/widgets/nlabel.h"

PNote::PNote(PPane* parentPane, int gx, int gy, int gw, int gh) : PWidget(parentPane, gx, gy, gw, gh)
{
    auto label = std::make_unique<NLabel>(*this);
    label->setJustificationType(juce::Justification::topLeft);
    // Long texts wrap onto more lines rather than being squeezed.
    label->setMinimumHorizontalScale(1.0f);
    label->setBorderSize({});
    label->setInterceptsMouseClicks(true, false);
    attachPeer(std::move(label));
    refreshLook();
}

void PNote::layout()
{
    setPeerBounds(gridBox());
}

void PNote::refreshLook()
{
    if (auto* label = dynamic_cast<juce::Label*>(getComponent()))
    {
        label->setFont(font(FontRole::caption));
        label->setColour(juce::Label::textColourId, textColour());
    }
    layout();
}

void PNote::setText(const juce::String& key)
{
    setPlainText(::translate(key));
}

void PNote::setPlainText(const juce::String& text)
{
    if (auto* label = dynamic_cast<juce::Label*>(getComponent()))
        label->setText(text, juce::dontSendNotification);
}

juce::String PNote::getText() const
{
    auto* label = dynamic_cast<juce::Label*>(getComponent());
    return label != nullptr ? label->getText() : juce::String();
}
