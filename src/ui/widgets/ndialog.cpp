#include "ui/widgets/ndialog.h"

#include "ui/widgets/dialog.h"

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
