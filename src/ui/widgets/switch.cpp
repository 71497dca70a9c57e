#include "ui/widgets/switch.h"

#include <algorithm>

#include "ui/widgets/button.h"

namespace
{
// Fractions of the full value: "100" does not fit a one-cell button.
const std::array<juce::String, PSwitch::positions> captions{
    "0", juce::String::charToString(0xbc), juce::String::charToString(0xbd), juce::String::charToString(0xbe), "1"};
} // namespace

PSwitch::PSwitch(PPane* parentPane, int gx, int gy, int gw) : PWidget(parentPane, gx, gy, gw, 1)
{
    const int each = std::max(1, gw / positions);
    for (int i = 0; i < positions; ++i)
    {
        auto* b = new PButton(parentPane, gx + i * each, gy, each, 0);
        b->setText(captions[static_cast<size_t>(i)]);
        b->owner = this;
        if (i > 0)
            b->joinRing(*buttons[0]);
        buttons[static_cast<size_t>(i)] = b;
    }
}

PSwitch::~PSwitch()
{
    deleteOwnedSiblings();
}

void PSwitch::onClick(PWidget*)
{
    // The ring has already kept the lit button lit and reports only real changes.
    if (owner != nullptr)
        owner->onChange(this);
}

int PSwitch::getValue() const
{
    for (int i = 0; i < positions; ++i)
        if (buttons[static_cast<size_t>(i)]->isOn())
            return values[static_cast<size_t>(i)];
    return 0;
}

void PSwitch::setValue(int value)
{
    for (int i = 0; i < positions; ++i)
        if (values[static_cast<size_t>(i)] == value)
        {
            buttons[static_cast<size_t>(i)]->setOn(true);
            return;
        }
    for (auto* b : buttons)
        b->setOn(false);
}

void PSwitch::setEnabled(bool on)
{
    for (auto* b : buttons)
        b->setEnabled(on);
}

void PSwitch::setVisible(bool on)
{
    for (auto* b : buttons)
        b->setVisible(on);
}

void PSwitch::setTooltip(const juce::String& key)
{
    for (auto* b : buttons)
        b->setTooltip(key);
}
