#include "ui/widgets/widget.h"

#include <algorithm>

#include "model/geometry.h"
#include "model/option.h"
#include "model/translate.h"
#include "ui/widgets/pane.h"

namespace
{
constexpr int defaultCell = 24, defaultUnit = 6;
constexpr int smallestUnit = 5;
constexpr float darkTextThreshold = 0.55f;
} // namespace

PWidget::PWidget(PPane* parentPane, int gx, int gy, int gw, int gh)
    : parent(parentPane), owner(parentPane), x(gx), y(gy), w(gw), h(gh)
{
    if (parent != nullptr)
    {
        next = parent->children;
        parent->children = this;
    }
}

PWidget::~PWidget()
{
    unlinkFromParent();
}

void PWidget::unlinkFromParent()
{
    if (parent == nullptr)
        return;
    PWidget** link = &parent->children;
    while (*link != nullptr && *link != this)
        link = &(*link)->next;
    if (*link == this)
        *link = next;
    // Siblings that reported to this widget fall back to the pane rather than to freed memory.
    for (PWidget* c = parent->children; c != nullptr; c = c->next)
        if (c->owner == this)
            c->owner = parent;
    parent = nullptr;
    next = nullptr;
}

void PWidget::deleteOwnedSiblings()
{
    // Within a pane's teardown the parts are gone already (they were created later, so they
    // stand earlier in the list); a composite deleted on its own takes its parts along.
    if (parent == nullptr)
        return;
    for (PWidget* c = parent->children; c != nullptr;)
    {
        if (c->owner == this)
        {
            delete c;
            c = parent->children;
        }
        else
            c = c->next;
    }
}

int PWidget::getWidth() const
{
    auto* c = getComponent();
    return c != nullptr ? c->getWidth() : 0;
}

int PWidget::getHeight() const
{
    auto* c = getComponent();
    return c != nullptr ? c->getHeight() : 0;
}

void PWidget::setTooltip(const juce::String& key)
{
    if (auto* client = dynamic_cast<juce::SettableTooltipClient*>(getComponent()))
        client->setTooltip(::translate(key));
}

void PWidget::setEnabled(bool on)
{
    if (auto* c = getComponent())
    {
        c->setEnabled(on);
        c->repaint();
    }
}

void PWidget::setVisible(bool on)
{
    if (auto* c = getComponent())
        c->setVisible(on);
}

bool PWidget::isEnabled() const
{
    auto* c = getComponent();
    return c != nullptr && c->isEnabled();
}

bool PWidget::isVisible() const
{
    auto* c = getComponent();
    return c != nullptr && c->isVisible();
}

POption* PWidget::getOptions() const
{
    return parent != nullptr ? parent->getOptions() : nullptr;
}

PWidget::Style PWidget::effectiveStyle() const
{
    for (const PWidget* p = this; p != nullptr; p = p->parent)
        if (p->style != Style::inherit)
            return p->style;
    return Style::sidePane;
}

int PWidget::colourEntry(Style styleCode, int sidePane)
{
    if (styleCode == Style::sidePane)
        return sidePane >= 0 && sidePane <= static_cast<int>(Style::decor) ? sidePane : 0;
    if (styleCode == Style::inherit)
        return 0;
    return static_cast<int>(styleCode);
}

juce::Colour PWidget::tableColour(const POption& options, int entry, bool dark)
{
    const uint32_t light[] = {options.pagesLight, options.layersLight, options.clipsLight, options.decorLight};
    const uint32_t darker[] = {options.pagesDark, options.layersDark, options.clipsDark, options.decorDark};
    const int i = std::clamp(entry, 0, 3);
    return juce::Colour(hslaToArgb(dark ? darker[i] : light[i]));
}

juce::Colour PWidget::lightColour() const
{
    auto* o = getOptions();
    if (o == nullptr)
        return juce::Colours::lightgrey;
    return tableColour(*o, colourEntry(effectiveStyle(), o->sidePane), false);
}

juce::Colour PWidget::darkColour() const
{
    auto* o = getOptions();
    if (o == nullptr)
        return juce::Colours::grey;
    return tableColour(*o, colourEntry(effectiveStyle(), o->sidePane), true);
}

juce::Colour PWidget::textOn(juce::Colour background)
{
    return background.getPerceivedBrightness() > darkTextThreshold ? juce::Colours::black : juce::Colours::white;
}

juce::Colour PWidget::textColour() const
{
    return textOn(lightColour());
}

float PWidget::fontHeight(FontRole role, int guiSize)
{
    const int step = std::clamp(guiSize, 1, 3) - 1;
    switch (role)
    {
    case FontRole::link: return 13.0f + static_cast<float>(step);
    case FontRole::pad: return 12.0f + static_cast<float>(step);
    case FontRole::caption: break;
    }
    return 14.0f + static_cast<float>(step);
}

juce::Font PWidget::font(FontRole role) const
{
    // The GUI size is read back from the unit, which keeps the last valid size.
    auto* o = getOptions();
    const int guiSize = o != nullptr ? o->u - smallestUnit + 1 : 2;
    return juce::Font(fontHeight(role, guiSize));
}

PWidget::Box PWidget::gridToPixels(int gx, int gy, int gw, int gh, int parentWidth, int parentHeight, int cell, int u)
{
    Box b;
    b.left = cell * gx + (gx >= 0 ? u : parentWidth);
    b.top = cell * gy + (gy >= 0 ? u : parentHeight);
    b.width = gw >= 0 ? cell * gw - u : (gw + 1) * cell - b.left - u + parentWidth;
    b.height = gh >= 0 ? cell * gh - u : (gh + 1) * cell - b.top - u + parentHeight;
    b.left = std::max(b.left, 0);
    b.top = std::max(b.top, 0);
    b.width = std::min(b.width, parentWidth);
    b.height = std::min(b.height, parentHeight);
    return b;
}

PWidget::Box PWidget::gridBox() const
{
    auto* area = parent != nullptr ? parent->getComponent() : nullptr;
    auto* o = getOptions();
    const int width = area != nullptr ? area->getWidth() : 0;
    const int height = area != nullptr ? area->getHeight() : 0;
    return gridToPixels(x, y, w, h, width, height, o != nullptr ? o->cell : defaultCell,
                        o != nullptr ? o->u : defaultUnit);
}

void PWidget::setPeerBounds(const Box& box)
{
    if (auto* c = getComponent())
        c->setBounds(box.left, box.top, std::max(box.width, 0), std::max(box.height, 0));
}

void PWidget::attachPeer(std::unique_ptr<juce::Component> component)
{
    peer = std::move(component);
    auto* area = parent != nullptr ? parent->getComponent() : nullptr;
    if (area != nullptr)
        area->addAndMakeVisible(peer.get());
    else
        peer->setVisible(true);
}

void PWidget::reportEnter()
{
    if (owner != nullptr)
        owner->onEnter(this);
}

void PWidget::reportLeave()
{
    if (owner != nullptr)
        owner->onLeave(this);
}
