#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "ui/widgets/readymark.h"

/** The library's alert box, taking the focus and marked ready like the program's own windows:
    for the boxes that come before the language and the look are loaded (the language question,
    a missing folder or language file) and for the library's own questions.

        const int answer = PAlertBox::show(juce::MessageBoxIconType::QuestionIcon, title, text,
                                           {"english", "deutsch", "francais"});
*/
class PAlertBox : public juce::AlertWindow
{
public:
    PAlertBox(const juce::String& title, const juce::String& message, juce::MessageBoxIconType icon);

    /** Shows a modal box with the buttons from left to right. As in the library's boxes, the
        first button answers 1 and Return, the second 2 and so on, and the last one, which also
        takes Escape and the close gesture, answers 0; a single button answers 0. */
    static int show(juce::MessageBoxIconType icon, const juce::String& title, const juce::String& text,
                    const juce::StringArray& buttons);

    void paintOverChildren(juce::Graphics& g) override;

private:
    PReadyMark ready{*this};
};
