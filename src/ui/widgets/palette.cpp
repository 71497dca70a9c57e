#include "ui/widgets/palette.h"

#include "ui/widgets/button.h"
#include "ui/widgets/pane.h"
#include "ui/widgets/tint.h"

namespace
{
constexpr int leftArrow = 270, rightArrow = 90;
}

PPalette::PPalette(PPane* parentPane, int gx, int gy) : PWidget(parentPane, gx, gy, strip + 2, 1)
{
    back = new PButton(parentPane, gx, gy, 1, 0);
    back->setArrow(leftArrow);
    back->owner = this;
    for (int i = 0; i < strip; ++i)
    {
        auto* entry = new PTint(parentPane, gx + 1 + i, gy, 1, 0);
        entry->picker = true;
        entry->owner = this;
        entries[static_cast<size_t>(i)] = entry;
    }
    forward = new PButton(parentPane, gx + strip + 1, gy, 1, 0);
    forward->setArrow(rightArrow);
    forward->owner = this;
    showPage();
}

PPalette::~PPalette()
{
    deleteOwnedSiblings();
}

void PPalette::setColours(const std::vector<uint32_t>& list)
{
    colours = list;
    first = 0;
    chosenIndex = -1;
    showPage();
}

void PPalette::setColourAt(int index, uint32_t hsla)
{
    if (index < 0 || index >= static_cast<int>(colours.size()))
        return;
    colours[static_cast<size_t>(index)] = hsla;
    showPage();
}

uint32_t PPalette::chosenColour() const
{
    return chosenIndex >= 0 && chosenIndex < static_cast<int>(colours.size())
               ? colours[static_cast<size_t>(chosenIndex)]
               : 0;
}

void PPalette::showPage()
{
    for (int i = 0; i < strip; ++i)
    {
        const int index = first + i;
        if (index < static_cast<int>(colours.size()))
            entries[static_cast<size_t>(i)]->setColour(colours[static_cast<size_t>(index)]);
        else
            entries[static_cast<size_t>(i)]->clearColour();
    }
    back->setEnabled(first > 0);
    forward->setEnabled(first + strip < static_cast<int>(colours.size()));
}

void PPalette::onClick(PWidget* source)
{
    if (source == back && first > 0)
        first -= strip;
    else if (source == forward && first + strip < static_cast<int>(colours.size()))
        first += strip;
    else
    {
        for (int i = 0; i < strip; ++i)
            if (source == entries[static_cast<size_t>(i)] && first + i < static_cast<int>(colours.size()))
            {
                chosenIndex = first + i;
                if (owner != nullptr)
                    owner->onChange(this);
                return;
            }
        return;
    }
    showPage();
}

void PPalette::onChanging(PWidget* source)
{
    if (owner != nullptr)
        owner->onChanging(source);
}

void PPalette::setEnabled(bool on)
{
    for (auto* entry : entries)
        entry->setEnabled(on);
    if (on)
        showPage();
    else
    {
        back->setEnabled(false);
        forward->setEnabled(false);
    }
}

void PPalette::setVisible(bool on)
{
    back->setVisible(on);
    forward->setVisible(on);
    for (auto* entry : entries)
        entry->setVisible(on);
}

void PPalette::setTooltip(const juce::String& key)
{
    for (auto* entry : entries)
        entry->setTooltip(key);
}
