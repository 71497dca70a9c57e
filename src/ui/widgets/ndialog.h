#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class PDialog;

/** The window of a modal dialog. Its close button and the Escape key ask the dialog to
    close; it is also the container for row drags inside the dialog. */
class NDialog : public juce::DialogWindow, public juce::DragAndDropContainer
{
public:
    NDialog(PDialog& owner, const juce::String& title, juce::Colour background);

    void closeButtonPressed() override;

private:
    PDialog& dialog;
};
