#pragma once

#include "ui/widgets/npeer.h"

/** The peer of a number field: an editable label that accepts only the number's characters
    and hands the finished text to the handler. */
class NNumber : public NPeer<juce::Label>
{
public:
    explicit NNumber(PWidget& owner);

protected:
    void editorShown(juce::TextEditor* editor) override;
    void textWasEdited() override;
};
