#include "ui/widgets/ident.h"

#include <algorithm>

#include "ui/widgets/button.h"
#include "ui/widgets/nident.h"
#include "ui/widgets/widgethost.h"

namespace
{
constexpr int upArrow = 0, downArrow = 180;
constexpr int smallestWidth = 3;
} // namespace

PIdent::PIdent(PPane* parentPane, int gx, int gy, int gw)
    : PControl(parentPane, gx + 1, gy, std::max(gw, smallestWidth) - 2, 0)
{
    const int width = std::max(gw, smallestWidth);
    install(std::make_unique<NIdent>(*this));
    down = new PButton(parentPane, gx, gy, 1, 0);
    down->setArrow(downArrow);
    down->owner = this;
    up = new PButton(parentPane, gx + width - 1, gy, 1, 0);
    up->setArrow(upArrow);
    up->owner = this;
    setValue(0);
}

PIdent::~PIdent()
{
    deleteOwnedSiblings();
}

int PIdent::applyMenuCode(int v, PCommand code)
{
    if (const int tens = tensDigitOf(code); tens >= 0)
        return tens * 10 + v % 10;
    if (const int units = unitsDigitOf(code); units >= 0)
        return v / 10 * 10 + units;
    return v;
}

void PIdent::setValue(int v)
{
    value = std::clamp(v, lowest, highest);
    showCaption(juce::String(value).paddedLeft('0', 2));
    updateButtons();
}

void PIdent::updateButtons()
{
    const bool on = isEnabled();
    down->setEnabled(on && value > lowest);
    up->setEnabled(on && value < highest);
}

void PIdent::changeTo(int v)
{
    const int before = value;
    setValue(v);
    if (value != before && owner != nullptr)
        owner->onChange(this);
}

void PIdent::choose(PPopup::Kind menuKind)
{
    const PCommand code = PWidgetHost::get().showPopup(*this, menuKind);
    changeTo(applyMenuCode(value, code));
}

void PIdent::activate()
{
    choose(PPopup::Kind::tensPopup);
}

void PIdent::onPopup(PWidget* source)
{
    if (source == this)
        choose(PPopup::Kind::unitsPopup);
}

void PIdent::onClick(PWidget* source)
{
    if (source == down)
        changeTo(value - 1);
    else if (source == up)
        changeTo(value + 1);
}

void PIdent::setEnabled(bool on)
{
    PControl::setEnabled(on);
    updateButtons();
}

void PIdent::setVisible(bool on)
{
    PControl::setVisible(on);
    down->setVisible(on);
    up->setVisible(on);
}

void PIdent::refreshLook()
{
    applyButtonColours();
    PControl::refreshLook();
}

void PIdent::setTooltip(const juce::String& key)
{
    PControl::setTooltip(key);
    down->setTooltip(key);
    up->setTooltip(key);
}
