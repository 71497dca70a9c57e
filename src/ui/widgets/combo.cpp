#include "ui/widgets/combo.h"

#include "model/choicelists.h"
#include "model/translate.h"
#include "ui/widgets/ncombo.h"

PCombo::PCombo(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PControl(parentPane, gx, gy, gw, bitFlags)
{
    install(std::make_unique<NCombo>(*this));
}

void PCombo::refreshLook()
{
    if (auto* c = getComponent())
    {
        c->setColour(juce::ComboBox::backgroundColourId, juce::Colours::white);
        c->setColour(juce::ComboBox::textColourId, juce::Colours::black);
        c->setColour(juce::ComboBox::outlineColourId, darkColour());
        c->setColour(juce::ComboBox::arrowColourId, darkColour().darker(0.5f));
    }
    PControl::refreshLook();
}

void PCombo::fill(int choiceList)
{
    clear();
    for (const auto& entry : PChoiceList::entries(choiceList))
        addEntry(entry.key, entry.code);
}

void PCombo::clear()
{
    if (auto* box = dynamic_cast<juce::ComboBox*>(getComponent()))
        box->clear(juce::dontSendNotification);
    cachedId = 0;
}

void PCombo::addEntry(const juce::String& key, int code)
{
    // The library keeps 0 for "nothing selected", so such an entry could never be chosen.
    if (code == 0)
        return;
    if (auto* box = dynamic_cast<juce::ComboBox*>(getComponent()))
        box->addItem(::translate(key), code);
}

void PCombo::select(int code)
{
    auto* box = dynamic_cast<juce::ComboBox*>(getComponent());
    if (box == nullptr)
        return;
    if (box->indexOfItemId(code) >= 0)
        box->setSelectedId(code, juce::dontSendNotification);
    else
        box->setSelectedId(0, juce::dontSendNotification);
    cachedId = static_cast<uint16_t>(box->getSelectedId());
}

int PCombo::selectedCode() const
{
    auto* box = dynamic_cast<juce::ComboBox*>(getComponent());
    return box != nullptr ? box->getSelectedId() : 0;
}

void PCombo::activate()
{
    const auto id = static_cast<uint16_t>(selectedCode());
    if (id == cachedId)
        return;
    cachedId = id;
    if (owner != nullptr)
        owner->onChange(this);
}
