#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ui/widgets/pane.h"

/** The colour wheel: a ring of 29 hue cells around a grid of 63 colours of the current hue,
    a black and a white cell and a row of nine opacity cells. It offers only the discrete
    levels that the rest of the program snaps colours to, so every colour chosen here can be
    chosen again exactly. A click on a cell changes `colour` and reports onChange.

        auto* wheel = new PWheel(pane, 0, 1, PWheel::columns, PWheel::rows);
        wheel->setColour(shape->fillColour);
*/
class PWheel : public PPane
{
public:
    static constexpr int hueCount = 29, levelCount = 9, innerCount = 7;
    static constexpr int gridCount = levelCount * innerCount;
    static constexpr std::array<uint8_t, hueCount> hueLevels{0,   7,   14,  21,  28,  35,  42,  53,  64,  74,
                                                             85,  99,  113, 120, 128, 135, 142, 149, 156, 163,
                                                             170, 180, 191, 202, 212, 223, 234, 244, 255};
    /** The levels of saturation, lightness and alpha. */
    static constexpr std::array<uint8_t, levelCount> levels{0, 51, 77, 115, 153, 191, 217, 240, 255};
    /** The lightness levels of the grid: black and white have cells of their own. */
    static constexpr std::array<uint8_t, innerCount> innerLightness{51, 77, 115, 153, 191, 217, 240};
    /** A click this close to a hue cell's centre, in pixels, picks the hue. */
    static constexpr float hueReach = 10.0f;
    /** The cells the wheel takes on its parent's grid. */
    static constexpr int columns = 12, rows = 13;

    PWheel(PPane* parent, int x, int y, int w, int h);

    void paint(juce::Graphics& g) override;
    void onMouseDown(float x, float y) override;

    /** Shows a colour without reporting. */
    void setColour(uint32_t hsla);

    /** The colour a click at (x, y) gives when the colour is current, or nothing when the
        click hits no cell. u is the GUI unit that sizes the cells. */
    static std::optional<uint32_t> colourAt(uint32_t current, float x, float y, int u);
    /** What grid cell k shows: the current hue and alpha at saturation level k % 9 and inner
        lightness level k / 9. */
    static uint32_t gridColour(uint32_t current, int k);

    // Where the cells are, in the wheel's pixels for a GUI unit u.
    static juce::Point<float> hueCentre(int k, int u);
    static juce::Rectangle<float> gridCell(int k, int u);
    static juce::Rectangle<float> blackCell(int u);
    static juce::Rectangle<float> whiteCell(int u);
    static juce::Rectangle<float> opacityCell(int k, int u);

    uint32_t colour = 0xFF000000;

private:
    int unit() const;
    void paintHueRing(juce::Graphics& g, int u) const;
    void paintGrid(juce::Graphics& g, int u) const;
    void paintOpacities(juce::Graphics& g, int u) const;
};
