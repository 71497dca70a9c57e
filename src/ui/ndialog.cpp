#include "ui/ndialog.h"

#include "ui/dialog.h"

NDialog::NDialog(PDialog& owner, const juce::String& title, juce::Colour background)
    : juce::DialogWindow(title, background, true, false), dialog(owner)
{
    setUsingNativeTitleBar(true);
    setResizable(false, false);
}

void NDialog::closeButtonPressed()
{
    dialog.closeRequested();
}
