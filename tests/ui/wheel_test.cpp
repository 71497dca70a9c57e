#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/option.h"
#include "ui/wheel.h"
#include "ui/widgets/recorder.h"

namespace
{
constexpr uint32_t startColour = 0xFF4099BF; // hue 64, saturation 153, lightness 191, opaque

uint32_t at(uint32_t current, juce::Point<float> p, int u)
{
    const auto chosen = PWheel::colourAt(current, p.x, p.y, u);
    EXPECT_TRUE(chosen.has_value()) << "no cell at " << p.x << ", " << p.y << " for u = " << u;
    return chosen.value_or(0);
}

TEST(Wheel, EveryCellGivesExactlyItsLevelAtEveryGuiSize)
{
    for (int u : {5, 6, 7})
    {
        SCOPED_TRACE("u = " + std::to_string(u));
        for (int k = 0; k < PWheel::hueCount; ++k)
        {
            // Anywhere within ten pixels of the centre picks the hue and keeps the rest.
            const auto nearEdge = PWheel::hueCentre(k, u) + juce::Point<float>(0, 9.5f);
            EXPECT_EQ(at(startColour, nearEdge, u), colourWord(0xFF, PWheel::hueLevels[k], 153, 191)) << "hue " << k;
        }
        for (int k = 0; k < PWheel::gridCount; ++k)
            EXPECT_EQ(at(startColour, PWheel::gridCell(k, u).getCentre(), u),
                      colourWord(0xFF, 64, PWheel::levels[k % 9], PWheel::innerLightness[k / 9]))
                << "grid " << k;
        EXPECT_EQ(at(startColour, PWheel::blackCell(u).getCentre(), u), 0xFF409900u);
        EXPECT_EQ(at(startColour, PWheel::whiteCell(u).getCentre(), u), 0xFF4099FFu);
        for (int k = 0; k < PWheel::levelCount; ++k)
            EXPECT_EQ(at(startColour, PWheel::opacityCell(k, u).getCentre(), u),
                      colourWord(PWheel::levels[k], 64, 153, 191))
                << "opacity " << k;
        EXPECT_FALSE(PWheel::colourAt(startColour, 0, 0, u).has_value());
        EXPECT_FALSE(PWheel::colourAt(startColour, PWheel::hueCentre(0, u).x, 0, u).has_value());
    }
}

TEST(Wheel, OffersTheLevelsThatColoursAreSnappedTo)
{
    // A colour chosen on the wheel must survive the snapper unchanged, and the snapper must land on the wheel.
    for (uint8_t hue : PWheel::hueLevels)
        for (uint8_t level : PWheel::levels)
            EXPECT_EQ(snapColour(colourWord(level, hue, level, level)), colourWord(level, hue, level, level));
    for (uint32_t v = 0; v < 256; ++v)
    {
        const uint32_t snapped = snapColour(colourWord(v, v, v, v));
        EXPECT_NE(std::find(PWheel::hueLevels.begin(), PWheel::hueLevels.end(), highByteOf(snapped)),
                  PWheel::hueLevels.end());
        EXPECT_NE(std::find(PWheel::levels.begin(), PWheel::levels.end(), alphaOf(snapped)), PWheel::levels.end());
    }
}

TEST(Wheel, TransparentKeepsTheColourSoTheNextOpacityClickRestoresIt)
{
    POption options;
    RecordingPane root(&options, 14, 15);
    auto* wheel = named(new PWheel(&root, 0, 0, PWheel::columns, PWheel::rows), "wheel");
    wheel->setColour(startColour);
    const auto clear = PWheel::opacityCell(0, options.u).getCentre();
    const auto full = PWheel::opacityCell(PWheel::levelCount - 1, options.u).getCentre();

    wheel->onMouseDown(clear.x, clear.y);
    EXPECT_EQ(wheel->colour, 0x004099BFu);
    wheel->onMouseDown(clear.x, clear.y); // the same colour again: nothing to report
    wheel->onMouseDown(2, 2);             // beside every cell
    wheel->onMouseDown(full.x, full.y);
    EXPECT_EQ(wheel->colour, startColour);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change wheel", "change wheel"}));
}
} // namespace
