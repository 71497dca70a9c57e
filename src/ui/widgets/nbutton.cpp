#include "ui/widgets/nbutton.h"

#include <algorithm>

#include "ui/widgets/control.h"

namespace
{
constexpr float disabledAlpha = 0.45f;
constexpr int textMargin = 2;
} // namespace

void NButton::paintButton(juce::Graphics& g, bool highlighted, bool down)
{
    const bool on = getToggleState();
    getLookAndFeel().drawButtonBackground(g, *this, findColour(on ? buttonOnColourId : buttonColourId), highlighted,
                                          down);
    auto colour = findColour(on ? textColourOnId : textColourOffId);
    g.setColour(isEnabled() ? colour : colour.withMultipliedAlpha(disabledAlpha));
    auto* control = dynamic_cast<PControl*>(handler);
    const auto captionFont = control != nullptr ? control->captionFont() : handler->font(PWidget::FontRole::caption);
    g.setFont(captionFont);
    // A tall button (a drag pad) may wrap its caption.
    const int lines =
        std::max(1, static_cast<int>(static_cast<float>(getHeight() - 2 * textMargin) / captionFont.getHeight()));
    g.drawFittedText(getButtonText(), getLocalBounds().reduced(textMargin), juce::Justification::centred, lines);
}
