#pragma once

#include <functional>

#include <juce_gui_basics/juce_gui_basics.h>

class POption;

/** The pane of the main window's error box: the heading "Message.Error", the message
    below it and a close button, which calls `onClose`. */
class PError : public juce::Component
{
public:
    explicit PError(const POption* options);

    /** Shows the translation of key. */
    void setMessage(const char* key);
    /** Shows a text that is already translated (a message with a file path in it). */
    void setMessageText(const juce::String& text);
    juce::Rectangle<int> preferredSize() const;

    void resized() override;
    void paint(juce::Graphics& g) override;

    juce::Label heading, textLabel;
    juce::TextButton closeButton;
    std::function<void()> onClose;

private:
    int unit() const;
    const POption* options;
};
