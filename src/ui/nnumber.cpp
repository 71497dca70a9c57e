#include "ui/nnumber.h"

#include "ui/number.h"

NNumber::NNumber(PWidget& owner) : NPeer(owner)
{
    setEditable(true, true, false);
    setJustificationType(juce::Justification::centredRight);
}

void NNumber::editorShown(juce::TextEditor* editor)
{
    if (auto* number = dynamic_cast<PNumber*>(handler))
        editor->setInputRestrictions(0, PNumber::rangeOf(number->kind).accepted);
    editor->selectAll();
}

void NNumber::textWasEdited()
{
    handler->activate();
}
