#include "ui/widgets/edit.h"

#include "ui/widgets/nedit.h"

PEdit::PEdit(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PControl(parentPane, gx, gy, gw, bitFlags)
{
    auto editor = std::make_unique<NEdit>(*this);
    editor->setInputRestrictions(PName::maxLength);
    install(std::move(editor));
}

void PEdit::refreshLook()
{
    if (auto* editor = dynamic_cast<juce::TextEditor*>(getComponent()))
    {
        editor->setFont(font(FontRole::caption));
        editor->applyFontToAllText(font(FontRole::caption));
        editor->setColour(juce::TextEditor::outlineColourId, darkColour());
        editor->setColour(juce::TextEditor::focusedOutlineColourId, darkColour().darker(0.5f));
        editor->setColour(juce::TextEditor::backgroundColourId, juce::Colours::white);
        editor->setColour(juce::TextEditor::textColourId, juce::Colours::black);
    }
    PControl::refreshLook();
}

void PEdit::activate()
{
    if (auto* editor = dynamic_cast<juce::TextEditor*>(getComponent()))
        text.assign(editor->getText());
    if (owner != nullptr)
        owner->onChange(this);
}

void PEdit::setValue(const juce::String& value)
{
    text.assign(value);
    if (auto* editor = dynamic_cast<juce::TextEditor*>(getComponent()))
        editor->setText(text.toString(), false);
}
