#include "ui/widgets/nnumber.h"

#include "ui/widgets/number.h"

NNumber::NNumber(PWidget& owner) : NPeer(owner)
{
    setEditable(true, true, false);
    setJustificationType(juce::Justification::centredRight);
}

void NNumber::editorShown(juce::TextEditor* shownEditor)
{
    if (auto* number = dynamic_cast<PNumber*>(handler))
        shownEditor->setInputRestrictions(0, PNumber::rangeOf(number->kind).accepted);
    shownEditor->selectAll();
}

void NNumber::textWasEdited()
{
    handler->activate();
}
