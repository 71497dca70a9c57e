#pragma once

#include <functional>

#include <juce_gui_basics/juce_gui_basics.h>

class POption;

/** The pane of the main window's message box: one translated message and the buttons of
    the box's type. A button press hands its answer to `onAnswer`. */
class PAlert : public juce::Component
{
public:
    enum class Type : uint8_t
    {
        info,
        warning,
        acceptCancel,
        yesNo,
        /** Yes, No and Cancel: a question whose Yes and No both act, so that a box closed
            without an answer must do neither. */
        yesNoCancel
    };
    /** Answers: the first button (Close, Accept, Yes), the second (Cancel, No) and the third
        (Cancel of a yesNoCancel box). */
    static constexpr int firstButton = 1, secondButton = 0, thirdButton = 2;

    explicit PAlert(const POption* options);

    /** Shows the translation of key and the buttons of type; the others are hidden. */
    void setMessage(const char* key, Type type);
    /** The same with a text that is already translated. */
    void setMessageText(const juce::String& text, Type type);
    /** The title key of the box that shows this pane. */
    static const char* titleKey(Type type);
    /** Whether closing the box through its title bar answers. */
    static bool closeAnswers(Type type) { return type != Type::info && type != Type::warning; }
    /** The answer of a box closed through its title bar or Escape: Cancel where the box has
        one of its own, else the first button. */
    static int closeAnswer(Type type) { return type == Type::yesNoCancel ? thirdButton : firstButton; }
    /** The size that shows the whole message. */
    juce::Rectangle<int> preferredSize() const;

    void resized() override;
    void paint(juce::Graphics& g) override;

    Type type = Type::info;
    juce::Label textLabel;
    juce::TextButton closeButton, acceptButton, cancelButton, questionCancelButton;
    std::function<void(int)> onAnswer;

private:
    int unit() const;
    const POption* options;
};
