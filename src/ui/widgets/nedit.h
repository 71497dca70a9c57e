#pragma once

#include "ui/widgets/npeer.h"

/** The peer of a one-line text field: every change of the text goes to the handler's activate. */
class NEdit : public NPeer<juce::TextEditor>
{
public:
    explicit NEdit(PWidget& owner) : NPeer(owner)
    {
        setMultiLine(false);
        setReturnKeyStartsNewLine(false);
        onTextChange = [this] { handler->activate(); };
    }
};
