#include "ui/widgets/ncolor.h"

#include "model/geometry.h"
#include "ui/widgets/tint.h"

namespace
{
constexpr int checkerSize = 4;
constexpr float cornerSize = 2.0f;
} // namespace

void NColor::paintButton(juce::Graphics& g, bool highlighted, bool down)
{
    auto* tint = dynamic_cast<PTint*>(handler);
    auto area = getLocalBounds().toFloat().reduced(1.0f);
    if (tint == nullptr || !tint->hasColour)
    {
        g.setColour(findColour(buttonColourId));
        g.fillRoundedRectangle(area, cornerSize);
        return;
    }
    // A checkerboard under the colour shows how transparent it is; its last squares must not
    // stick out below the swatch.
    {
        juce::Graphics::ScopedSaveState saved(g);
        g.reduceClipRegion(area.toNearestInt());
        g.setColour(juce::Colours::white);
        g.fillRect(area);
        g.setColour(juce::Colours::lightgrey);
        for (int row = 0; row * checkerSize < static_cast<int>(area.getHeight()); ++row)
            for (int col = row % 2; col * checkerSize < static_cast<int>(area.getWidth()); col += 2)
                g.fillRect(area.getX() + static_cast<float>(col * checkerSize),
                           area.getY() + static_cast<float>(row * checkerSize), static_cast<float>(checkerSize),
                           static_cast<float>(checkerSize));
    }
    const uint32_t hsla = tint->colour;
    g.setColour(juce::Colour(hslaToArgb(hsla)));
    g.fillRect(area);
    if (alphaOf(hsla) == 0)
    {
        // Alpha 0 means "not drawn": crossed out.
        g.setColour(juce::Colours::red);
        g.drawLine(area.getX(), area.getBottom(), area.getRight(), area.getY(), 1.5f);
    }
    g.setColour(getToggleState() || down ? juce::Colours::black : findColour(buttonOnColourId));
    g.drawRect(area, highlighted || getToggleState() ? 2.0f : 1.0f);
    if (!isEnabled())
    {
        g.setColour(juce::Colours::white.withAlpha(0.6f));
        g.fillRect(area);
    }
}
