#include "app/alert.h"

#include "model/option.h"
#include "model/translate.h"

namespace
{
constexpr int textColumns = 18, buttonColumns = 5;
/** Background tints of the info, warning and question looks. */
const juce::Colour infoTint{0xFFE8F0FF}, warningTint{0xFFFFF4DC}, questionTint{0xFFFFE8D8};
} // namespace

PAlert::PAlert(const POption* o) : options(o)
{
    textLabel.setJustificationType(juce::Justification::centred);
    textLabel.setColour(juce::Label::textColourId, juce::Colours::black);
    addAndMakeVisible(textLabel);
    for (auto* button : {&closeButton, &acceptButton, &cancelButton})
        addChildComponent(button);
    // Return gives the first answer, as in the library's own boxes.
    closeButton.addShortcut(juce::KeyPress(juce::KeyPress::returnKey));
    acceptButton.addShortcut(juce::KeyPress(juce::KeyPress::returnKey));
    closeButton.onClick = [this]
    {
        if (onAnswer)
            onAnswer(firstButton);
    };
    acceptButton.onClick = [this]
    {
        if (onAnswer)
            onAnswer(firstButton);
    };
    cancelButton.onClick = [this]
    {
        if (onAnswer)
            onAnswer(secondButton);
    };
}

const char* PAlert::titleKey(int type)
{
    return type == info ? "Message.Info" : "Message.Warning";
}

void PAlert::setMessage(const char* key, int newType)
{
    setMessageText(translate(key != nullptr ? key : ""), newType);
}

void PAlert::setMessageText(const juce::String& text, int newType)
{
    type = juce::jlimit(static_cast<int>(info), static_cast<int>(yesNo), newType);
    textLabel.setText(text, juce::dontSendNotification);
    closeButton.setButtonText(translate("Text.Close"));
    acceptButton.setButtonText(translate(type == yesNo ? "Text.Yes" : "Text.Accept"));
    cancelButton.setButtonText(translate(type == yesNo ? "Text.No" : "Text.Cancel"));
    const bool twoButtons = closeAnswers(type);
    closeButton.setVisible(!twoButtons);
    acceptButton.setVisible(twoButtons);
    cancelButton.setVisible(twoButtons);
    resized();
    repaint();
}

int PAlert::unit() const
{
    return options != nullptr ? options->u : 6;
}

juce::Rectangle<int> PAlert::preferredSize() const
{
    const int cell = 4 * unit();
    const auto font = textLabel.getFont();
    const int lines = juce::jmax(1, juce::StringArray::fromLines(textLabel.getText()).size());
    const int width = cell * textColumns;
    const int textHeight = lines * static_cast<int>(std::ceil(font.getHeight() * 1.3f));
    return {0, 0, width, textHeight + 3 * cell};
}

void PAlert::resized()
{
    const int cell = 4 * unit();
    auto area = getLocalBounds().reduced(unit());
    auto buttons = area.removeFromBottom(cell + unit());
    textLabel.setBounds(area);
    const int buttonWidth = cell * buttonColumns;
    const auto row = buttons.withSizeKeepingCentre(2 * buttonWidth + unit(), cell);
    closeButton.setBounds(row.withSizeKeepingCentre(buttonWidth, cell));
    acceptButton.setBounds(row.withWidth(buttonWidth));
    cancelButton.setBounds(row.withTrimmedLeft(buttonWidth + unit()));
}

void PAlert::paint(juce::Graphics& g)
{
    g.fillAll(type == info ? infoTint : type == warning ? warningTint : questionTint);
}
