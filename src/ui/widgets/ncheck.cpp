#include "ui/widgets/ncheck.h"

namespace
{
constexpr float boxScale = 0.7f;
constexpr int gap = 4;
} // namespace

void NCheck::paintButton(juce::Graphics& g, bool highlighted, bool down)
{
    const float box = static_cast<float>(getHeight()) * boxScale;
    const float top = (static_cast<float>(getHeight()) - box) * 0.5f;
    getLookAndFeel().drawTickBox(g, *this, 1.0f, top, box, box, getToggleState(), isEnabled(), highlighted, down);
    g.setColour(findColour(textColourId).withMultipliedAlpha(isEnabled() ? 1.0f : 0.5f));
    g.setFont(handler->font(PWidget::FontRole::caption));
    const int left = static_cast<int>(box) + 1 + gap;
    g.drawFittedText(getButtonText(), getLocalBounds().withTrimmedLeft(left), juce::Justification::centredLeft, 1);
}
