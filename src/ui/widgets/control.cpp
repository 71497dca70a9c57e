#include "ui/widgets/control.h"

#include "model/option.h"
#include "model/translate.h"

PControl::PControl(PPane* parentPane, int gx, int gy, int gw, int bitFlags)
    : PWidget(parentPane, gx, gy, gw, 1), flags(bitFlags)
{
}

PWidget::Box PControl::buttonBounds(const Box& grid, int bitFlags, int gw, int half, int odd, const Insets& in)
{
    Box b = grid;
    if ((bitFlags & growLeft) != 0)
    {
        b.left -= half;
        b.width += half;
    }
    if ((bitFlags & growRight) != 0)
        b.width += half + odd;
    if ((bitFlags & growUp) != 0)
    {
        b.top -= half / 2;
        b.height += half / 2;
    }
    if ((bitFlags & growDown) != 0)
        b.height += half / 2;
    if (bitFlags == 0 && gw == 1)
        b.height -= 2;
    return {b.left + in.left, b.top + in.top - 1, b.width + in.right, b.height + in.bottom + 2};
}

void PControl::layout()
{
    auto* o = getOptions();
    const int half = o != nullptr ? o->half : 3;
    const int odd = o != nullptr ? o->odd : 0;
    h = 1;
    setPeerBounds(buttonBounds(gridBox(), flags, w, half, odd, insets()));
}

void PControl::refreshLook()
{
    layout();
    if (auto* c = getComponent())
        c->repaint();
}

void PControl::setText(const juce::String& key)
{
    captionKey = key;
    showCaption(::translate(key));
}

void PControl::showCaption(const juce::String& text)
{
    if (auto* button = dynamic_cast<juce::Button*>(getComponent()))
        button->setButtonText(text);
    else if (auto* label = dynamic_cast<juce::Label*>(getComponent()))
        label->setText(text, juce::dontSendNotification);
}

void PControl::onPopup(PWidget* source)
{
    if (source == this && owner != nullptr)
        owner->onPopup(this);
}

void PControl::install(std::unique_ptr<juce::Component> component)
{
    attachPeer(std::move(component));
    refreshLook();
}

void PControl::applyButtonColours()
{
    auto* c = getComponent();
    if (c == nullptr)
        return;
    const auto dark = darkColour();
    c->setColour(juce::TextButton::buttonColourId, lightColour());
    c->setColour(juce::TextButton::buttonOnColourId, dark);
    c->setColour(juce::TextButton::textColourOffId, textColour());
    c->setColour(juce::TextButton::textColourOnId, textOn(dark));
}
