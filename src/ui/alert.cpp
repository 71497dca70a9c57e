#include "ui/alert.h"

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
    for (auto* button : {&closeButton, &acceptButton, &cancelButton, &questionCancelButton})
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
    questionCancelButton.onClick = [this]
    {
        if (onAnswer)
            onAnswer(thirdButton);
    };
}

const char* PAlert::titleKey(Type type)
{
    return type == Type::info ? "Message.Info" : "Message.Warning";
}

void PAlert::setMessage(const char* key, Type newType)
{
    setMessageText(translate(key != nullptr ? key : ""), newType);
}

void PAlert::setMessageText(const juce::String& text, Type newType)
{
    type = newType;
    textLabel.setText(text, juce::dontSendNotification);
    const bool asks = type == Type::yesNo || type == Type::yesNoCancel;
    closeButton.setButtonText(translate("Text.Close"));
    acceptButton.setButtonText(translate(asks ? "Text.Yes" : "Text.Accept"));
    cancelButton.setButtonText(translate(asks ? "Text.No" : "Text.Cancel"));
    questionCancelButton.setButtonText(translate("Text.Cancel"));
    const bool answers = closeAnswers(type);
    closeButton.setVisible(!answers);
    acceptButton.setVisible(answers);
    cancelButton.setVisible(answers);
    questionCancelButton.setVisible(type == Type::yesNoCancel);
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
    const int count = type == Type::yesNoCancel ? 3 : 2;
    auto row = buttons.withSizeKeepingCentre(count * buttonWidth + (count - 1) * unit(), cell);
    closeButton.setBounds(row.withSizeKeepingCentre(buttonWidth, cell));
    for (auto* button : {&acceptButton, &cancelButton, &questionCancelButton})
    {
        button->setBounds(row.removeFromLeft(buttonWidth));
        row.removeFromLeft(unit());
    }
}

void PAlert::paint(juce::Graphics& g)
{
    g.fillAll(type == Type::info ? infoTint : type == Type::warning ? warningTint : questionTint);
}
