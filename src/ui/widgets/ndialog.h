#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "ui/widgets/readymark.h"

class PDialog;

/** The window of a modal dialog. Its close button and the Escape key ask the dialog to
    close, and Return gives the dialog's Return answer, wherever the focus is inside; it is also
    the container for row drags inside the dialog. */
class NDialog : public juce::DialogWindow, public juce::DragAndDropContainer
{
public:
    NDialog(PDialog& owner, const juce::String& title, juce::Colour background);

    void closeButtonPressed() override;
    bool escapeKeyPressed() override;
    bool keyPressed(const juce::KeyPress& key) override;
    void paintOverChildren(juce::Graphics& g) override;

    PReadyMark ready{*this};

private:
    PDialog& dialog;
};
