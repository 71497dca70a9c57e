#include "ui/widgets/alertbox.h"

PAlertBox::PAlertBox(const juce::String& title, const juce::String& message, juce::MessageBoxIconType icon)
    : juce::AlertWindow(title, message, icon)
{
    setEscapeKeyCancels(true);
}

int PAlertBox::show(juce::MessageBoxIconType icon, const juce::String& title, const juce::String& text,
                    const juce::StringArray& buttons)
{
    PAlertBox box(title, text, icon);
    const int count = buttons.size();
    for (int i = 0; i < count; ++i)
    {
        const bool last = i == count - 1;
        box.addButton(buttons[i], last ? 0 : i + 1,
                      i == 0 ? juce::KeyPress(juce::KeyPress::returnKey) : juce::KeyPress(),
                      last ? juce::KeyPress(juce::KeyPress::escapeKey) : juce::KeyPress());
    }
#if JUCE_MODAL_LOOPS_PERMITTED
    return box.runModalLoop();
#else
    return 0;
#endif
}

void PAlertBox::paintOverChildren(juce::Graphics& g)
{
    juce::AlertWindow::paintOverChildren(g);
    ready.painted();
}
