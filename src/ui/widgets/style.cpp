#include "ui/widgets/style.h"

#include "ui/widgets/widgethost.h"

namespace
{
constexpr float fontToButton = 0.7f;
}

std::unique_ptr<PFontSpec> PStyle::clipboard;

PStyle::PStyle(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PButton(parentPane, gx, gy, gw, bitFlags)
{
    showFontName();
}

void PStyle::activate()
{
    if (plainCommand || picker)
    {
        PButton::activate();
        return;
    }
    const PFontSpec before = fontSpec;
    if (PWidgetHost::get().editFont(*this, fontSpec) && !(fontSpec == before))
        changed();
    else
        showFontName();
}

void PStyle::onPopup(PWidget* source)
{
    if (plainCommand || picker || source != this)
    {
        PButton::onPopup(source);
        return;
    }
    const PCommand code = PWidgetHost::get().showCopyPaste(*this, clipboard != nullptr);
    if (code == PCommand::copy)
        clipboard = std::make_unique<PFontSpec>(fontSpec);
    else if (code == PCommand::paste && clipboard != nullptr && !(*clipboard == fontSpec))
    {
        fontSpec = *clipboard;
        changed();
    }
}

void PStyle::changed()
{
    showFontName();
    if (owner != nullptr)
        owner->onChange(this);
}

void PStyle::setFontSpec(const PFontSpec& preset)
{
    fontSpec = preset;
    showFontName();
}

void PStyle::showFontName()
{
    if (plainCommand || captionKey.isNotEmpty())
        return;
    auto* button = dynamic_cast<juce::Button*>(getComponent());
    if (button == nullptr)
        return;
    // An empty face is the default font: show the name of the typeface it resolves to.
    auto face = fontSpec.face.toString();
    if (face.isEmpty())
        if (auto typeface = fontSpec.getFont().getTypefacePtr())
            face = typeface->getName();
    button->setButtonText(face);
    button->repaint();
}

juce::Font PStyle::captionFont() const
{
    if (plainCommand)
        return PButton::captionFont();
    // The font itself, but never taller than the button can show.
    auto shown = fontSpec.getFont();
    const float limit = static_cast<float>(getHeight()) * fontToButton;
    if (limit > 0 && shown.getHeight() > limit)
        shown.setHeight(limit);
    return shown;
}

void PStyle::refreshLook()
{
    PButton::refreshLook();
    showFontName();
}
