#include "ui/widgets/ndialog.h"

#include "ui/widgets/dialog.h"

// Escape is handled here rather than by the library, which would hide the window and end the
// modal loop behind the dialog's back (and with it, the pane's say in closing).
NDialog::NDialog(PDialog& owner, const juce::String& title, juce::Colour background)
    : juce::DialogWindow(title, background, false, false), dialog(owner)
{
    setUsingNativeTitleBar(true);
    setResizable(false, false);
}

void NDialog::closeButtonPressed()
{
    dialog.closeRequested();
}

bool NDialog::escapeKeyPressed()
{
    dialog.closeRequested();
    return true;
}

bool NDialog::keyPressed(const juce::KeyPress& key)
{
    if (key == juce::KeyPress::returnKey && dialog.returnRequested())
        return true;
    return juce::DialogWindow::keyPressed(key);
}

void NDialog::paintOverChildren(juce::Graphics&)
{
    ready.painted();
}
