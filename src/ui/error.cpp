#include "ui/error.h"

#include "model/option.h"
#include "model/translate.h"

namespace
{
constexpr int textColumns = 20, buttonColumns = 5;
const juce::Colour errorTint{0xFFFFE4E4};
} // namespace

PError::PError(const POption* o) : options(o)
{
    heading.setFont(heading.getFont().boldened().withHeight(heading.getFont().getHeight() * 1.3f));
    heading.setJustificationType(juce::Justification::centred);
    textLabel.setJustificationType(juce::Justification::centred);
    for (auto* label : {&heading, &textLabel})
    {
        label->setColour(juce::Label::textColourId, juce::Colours::black);
        addAndMakeVisible(label);
    }
    addAndMakeVisible(closeButton);
    closeButton.addShortcut(juce::KeyPress(juce::KeyPress::returnKey));
    closeButton.onClick = [this]
    {
        if (onClose)
            onClose();
    };
}

void PError::setMessage(const char* key)
{
    setMessageText(translate(key != nullptr ? key : ""));
}

void PError::setMessageText(const juce::String& text)
{
    heading.setText(translate("Message.Error"), juce::dontSendNotification);
    textLabel.setText(text, juce::dontSendNotification);
    closeButton.setButtonText(translate("Text.Close"));
    resized();
}

int PError::unit() const
{
    return options != nullptr ? options->u : 6;
}

juce::Rectangle<int> PError::preferredSize() const
{
    const int cell = 4 * unit();
    const int lines = juce::jmax(1, juce::StringArray::fromLines(textLabel.getText()).size());
    const int textHeight = lines * static_cast<int>(std::ceil(textLabel.getFont().getHeight() * 1.3f));
    return {0, 0, cell * textColumns, textHeight + 5 * cell};
}

void PError::resized()
{
    const int cell = 4 * unit();
    auto area = getLocalBounds().reduced(unit());
    heading.setBounds(area.removeFromTop(2 * cell));
    auto buttons = area.removeFromBottom(cell + unit());
    textLabel.setBounds(area);
    closeButton.setBounds(buttons.withSizeKeepingCentre(cell * buttonColumns, cell));
}

void PError::paint(juce::Graphics& g)
{
    g.fillAll(errorTint);
}
