#include "ui/widgets/nradio.h"

namespace
{
constexpr float markScale = 0.65f;
constexpr float dotScale = 0.45f;
constexpr int gap = 4;
} // namespace

void NRadio::paintButton(juce::Graphics& g, bool highlighted, bool down)
{
    const float size = static_cast<float>(getHeight()) * markScale;
    const juce::Rectangle<float> ring(1.0f, (static_cast<float>(getHeight()) - size) * 0.5f, size, size);
    const auto ink = findColour(tickColourId).withMultipliedAlpha(isEnabled() ? 1.0f : 0.5f);
    g.setColour(juce::Colours::white.withAlpha(highlighted || down ? 1.0f : 0.85f));
    g.fillEllipse(ring);
    g.setColour(ink);
    g.drawEllipse(ring.reduced(0.5f), 1.0f);
    if (getToggleState())
        g.fillEllipse(ring.withSizeKeepingCentre(size * dotScale, size * dotScale));
    g.setColour(findColour(textColourId).withMultipliedAlpha(isEnabled() ? 1.0f : 0.5f));
    g.setFont(handler->font(PWidget::FontRole::caption));
    const int left = static_cast<int>(size) + 1 + gap;
    g.drawFittedText(getButtonText(), getLocalBounds().withTrimmedLeft(left), juce::Justification::centredLeft, 1);
}
