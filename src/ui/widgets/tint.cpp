#include "ui/widgets/tint.h"

#include "ui/widgets/ncolor.h"
#include "ui/widgets/widgethost.h"

std::optional<uint32_t> PTint::clipboard;

PTint::PTint(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PControl(parentPane, gx, gy, gw, bitFlags)
{
    install(std::make_unique<NColor>(*this));
}

void PTint::refreshLook()
{
    if (auto* c = getComponent())
    {
        c->setColour(juce::TextButton::buttonColourId, lightColour());
        c->setColour(juce::TextButton::buttonOnColourId, darkColour().darker(0.3f));
    }
    PControl::refreshLook();
}

void PTint::activate()
{
    if (picker)
    {
        if (owner != nullptr)
            owner->onClick(this);
        return;
    }
    const uint32_t before = colour;
    PWidgetHost::get().editColour(*this, colour);
    if (colour != before)
        changed();
    else if (auto* c = getComponent())
        c->repaint();
}

void PTint::onPopup(PWidget* source)
{
    if (picker || source != this)
    {
        PControl::onPopup(source);
        return;
    }
    const PCommand code = PWidgetHost::get().showCopyPaste(*this, clipboard.has_value());
    if (code == PCommand::copy)
        clipboard = colour;
    else if (code == PCommand::paste && clipboard.has_value() && *clipboard != colour)
    {
        colour = *clipboard;
        changed();
    }
}

void PTint::changed()
{
    if (auto* c = getComponent())
        c->repaint();
    if (owner != nullptr)
        owner->onChange(this);
}

void PTint::setColour(uint32_t hsla)
{
    colour = hsla;
    hasColour = true;
    if (auto* c = getComponent())
        c->repaint();
}

void PTint::clearColour()
{
    hasColour = false;
    if (auto* c = getComponent())
        c->repaint();
}
