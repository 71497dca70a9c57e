#include "ui/wheel.h"

#include <cmath>

#include "model/geometry.h"
#include "model/option.h"

namespace
{
// The layout in GUI units: the hue ring around the grid, white above and black below the grid so
// that the cells run from light to dark, and the opacities in a row under the ring.
constexpr float centre = 24.0f, ringRadius = 21.0f, cellSide = 3.0f;
constexpr float gridLeft = centre - cellSide * PWheel::levelCount / 2, gridTop = 13.5f;
constexpr float gridBottom = gridTop + cellSide * PWheel::innerCount;
constexpr float gap = 0.5f, endCellWidth = 3 * cellSide;
constexpr float opacityTop = centre + ringRadius + cellSide / 2 + 1.0f;
constexpr float checkerSide = 4.0f;
/** The shown colour of a hue cell: the hue at full saturation and middle lightness. */
constexpr uint32_t pureSaturation = 255, middleLightness = 128, opaque = 255;
constexpr float markWidth = 2.0f;

float scaled(float units, int u)
{
    return units * static_cast<float>(u);
}

uint32_t withAlpha(uint32_t hsla, uint32_t alpha)
{
    return colourWord(alpha, highByteOf(hsla), middleByteOf(hsla), lowByteOf(hsla));
}

uint32_t withLightness(uint32_t hsla, uint32_t lightness)
{
    return colourWord(alphaOf(hsla), highByteOf(hsla), middleByteOf(hsla), lightness);
}

/** A translucent colour over a checkerboard, so that its opacity shows. */
void fillChecked(juce::Graphics& g, juce::Rectangle<float> area, uint32_t hsla)
{
    if (alphaOf(hsla) < opaque)
    {
        juce::Graphics::ScopedSaveState saved(g);
        g.reduceClipRegion(area.getSmallestIntegerContainer());
        g.setColour(juce::Colours::white);
        g.fillRect(area);
        g.setColour(juce::Colours::lightgrey);
        for (float y = area.getY(), row = 0; y < area.getBottom(); y += checkerSide, ++row)
            for (float x = area.getX() + (static_cast<int>(row) % 2) * checkerSide; x < area.getRight();
                 x += 2 * checkerSide)
                g.fillRect(x, y, checkerSide, checkerSide);
    }
    g.setColour(juce::Colour(hslaToArgb(hsla)));
    g.fillRect(area);
}

/** A frame that reads on the cell's own colour. */
void markCell(juce::Graphics& g, juce::Rectangle<float> area, uint32_t hsla)
{
    const auto shown = juce::Colour(hslaToArgb(withAlpha(hsla, opaque)));
    g.setColour(alphaOf(hsla) < opaque / 2 ? juce::Colours::black : PWidget::textOn(shown));
    g.drawRect(area.reduced(1.0f), markWidth);
}
} // namespace

PWheel::PWheel(PPane* parentPane, int gx, int gy, int gw, int gh) : PPane(parentPane, gx, gy, gw, gh, Kind::plain) {}

int PWheel::unit() const
{
    return options != nullptr ? options->u : 6;
}

void PWheel::setColour(uint32_t hsla)
{
    colour = hsla;
    repaint();
}

juce::Point<float> PWheel::hueCentre(int k, int u)
{
    // Even spacing, clockwise from the top: the levels themselves are uneven, the cells need not be.
    const double angle = juce::MathConstants<double>::twoPi * k / hueCount;
    return {scaled(centre + ringRadius * static_cast<float>(std::sin(angle)), u),
            scaled(centre - ringRadius * static_cast<float>(std::cos(angle)), u)};
}

juce::Rectangle<float> PWheel::gridCell(int k, int u)
{
    const int column = k % levelCount;
    // The lightest row on top, next to the white cell.
    const int row = innerCount - 1 - k / levelCount;
    return {scaled(gridLeft + cellSide * static_cast<float>(column), u),
            scaled(gridTop + cellSide * static_cast<float>(row), u), scaled(cellSide, u), scaled(cellSide, u)};
}

juce::Rectangle<float> PWheel::whiteCell(int u)
{
    return {scaled(centre - endCellWidth / 2, u), scaled(gridTop - gap - cellSide, u), scaled(endCellWidth, u),
            scaled(cellSide, u)};
}

juce::Rectangle<float> PWheel::blackCell(int u)
{
    return {scaled(centre - endCellWidth / 2, u), scaled(gridBottom + gap, u), scaled(endCellWidth, u),
            scaled(cellSide, u)};
}

juce::Rectangle<float> PWheel::opacityCell(int k, int u)
{
    return {scaled(gridLeft + cellSide * static_cast<float>(k), u), scaled(opacityTop, u), scaled(cellSide, u),
            scaled(cellSide, u)};
}

uint32_t PWheel::gridColour(uint32_t current, int k)
{
    return colourWord(alphaOf(current), highByteOf(current), levels[static_cast<size_t>(k % levelCount)],
                      innerLightness[static_cast<size_t>(k / levelCount)]);
}

std::optional<uint32_t> PWheel::colourAt(uint32_t current, float px, float py, int u)
{
    const juce::Point<float> click(px, py);
    for (int k = 0; k < hueCount; ++k)
        if (hueCentre(k, u).getDistanceFrom(click) <= hueReach)
            return colourWord(alphaOf(current), hueLevels[static_cast<size_t>(k)], middleByteOf(current),
                              lowByteOf(current));
    for (int k = 0; k < gridCount; ++k)
        if (gridCell(k, u).contains(click))
            return gridColour(current, k);
    if (blackCell(u).contains(click))
        return withLightness(current, 0);
    if (whiteCell(u).contains(click))
        return withLightness(current, 255);
    for (int k = 0; k < levelCount; ++k)
        if (opacityCell(k, u).contains(click))
            return withAlpha(current, levels[static_cast<size_t>(k)]);
    return std::nullopt;
}

void PWheel::onMouseDown(float px, float py)
{
    const auto chosen = colourAt(colour, px, py, unit());
    if (!chosen.has_value() || *chosen == colour)
        return;
    setColour(*chosen);
    if (owner != nullptr)
        owner->onChange(this);
}

void PWheel::paint(juce::Graphics& g)
{
    PPane::paint(g);
    const int u = unit();
    paintHueRing(g, u);
    paintGrid(g, u);
    paintOpacities(g, u);
}

void PWheel::paintHueRing(juce::Graphics& g, int u) const
{
    const float radius = scaled(cellSide / 2, u);
    for (int k = 0; k < hueCount; ++k)
    {
        const auto at = hueCentre(k, u);
        const auto disc = juce::Rectangle<float>(2 * radius, 2 * radius).withCentre(at);
        const uint32_t level = hueLevels[static_cast<size_t>(k)];
        g.setColour(juce::Colour(hslaToArgb(colourWord(opaque, level, pureSaturation, middleLightness))));
        g.fillEllipse(disc);
        if (level == highByteOf(colour))
        {
            g.setColour(juce::Colours::black);
            g.drawEllipse(disc.expanded(markWidth), markWidth);
            g.setColour(juce::Colours::white);
            g.drawEllipse(disc, 1.0f);
        }
    }
}

void PWheel::paintGrid(juce::Graphics& g, int u) const
{
    for (int k = 0; k < gridCount; ++k)
        fillChecked(g, gridCell(k, u), gridColour(colour, k));
    fillChecked(g, whiteCell(u), withLightness(colour, 255));
    fillChecked(g, blackCell(u), withLightness(colour, 0));
    g.setColour(darkColour());
    g.drawRect(whiteCell(u), 1.0f);
    g.drawRect(blackCell(u), 1.0f);
    for (int k = 0; k < gridCount; ++k)
        if (gridColour(colour, k) == colour)
            markCell(g, gridCell(k, u), colour);
    if (lowByteOf(colour) == 255)
        markCell(g, whiteCell(u), colour);
    else if (lowByteOf(colour) == 0)
        markCell(g, blackCell(u), colour);
}

void PWheel::paintOpacities(juce::Graphics& g, int u) const
{
    for (int k = 0; k < levelCount; ++k)
    {
        const auto cell = opacityCell(k, u);
        const uint32_t level = levels[static_cast<size_t>(k)];
        fillChecked(g, cell, withAlpha(colour, level));
        if (level == 0)
        {
            // Not drawn at all: crossed out, as the swatches show it.
            g.setColour(juce::Colours::red);
            g.drawLine(cell.getX(), cell.getBottom(), cell.getRight(), cell.getY(), 1.5f);
        }
        g.setColour(darkColour());
        g.drawRect(cell, 1.0f);
        if (level == alphaOf(colour))
            markCell(g, cell, withAlpha(colour, opaque));
    }
}
