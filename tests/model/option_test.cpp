#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../support/testfiles.h"
#include "model/option.h"

namespace
{
/** The fourteen colours in file order with their defaults after snapping to the editor's levels. */
const std::pair<uint32_t POption::*, uint32_t> colours[] = {
    {&POption::pagesLight, 0xFF804DF0},       {&POption::layersLight, 0xFF2A4DF0},
    {&POption::clipsLight, 0xFF1C33F0},       {&POption::decorLight, 0xFF4A33F0},
    {&POption::pagesDark, 0xFF8033BF},        {&POption::layersDark, 0xFF2A33BF},
    {&POption::clipsDark, 0xFF1C33BF},        {&POption::decorDark, 0xFF4A33BF},
    {&POption::groundColour, 0xFF0000FF},     {&POption::selectionColour2, 0xFF55BF99},
    {&POption::selectionColour1, 0xFF00BF99}, {&POption::lockColour, 0xFFAA0099},
    {&POption::gridColour, 0xFFAA0099},       {&POption::handleColour, 0xFF004D99}};

testing::AssertionResult hasMetrics(const POption& o, int u, int half, int odd)
{
    if (o.u == u && o.half == half && o.odd == odd && o.cell == 4 * u && o.wide == 16 * u && o.twoU == 2 * u)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "u " << o.u << ", half " << o.half << ", odd " << o.odd;
}
} // namespace

TEST(OptionFile, DefaultFileHoldsEveryFieldInOrder)
{
    POption o;
    EXPECT_TRUE(hasMetrics(o, 6, 3, 0));

    StreamBytes expected;
    expected.i16(PClass::option).i16(1).i32(0).emptyText().i16(0).i32(0); // header, flags, item
    expected.emptyText().i32(0).i16(0).i16(0).i16(0);                     // author, settings
    for (size_t i = 0; i < 8; ++i)
        expected.i32(colours[i].second);
    expected.i16(1).i16(100).i16(20).byte(0).byte(0).i16(2).f32(0.5f);
    expected.byte(1).byte(1).byte(0).byte(0).byte(0).i16(4).i16(4).i16(3).i16(2);
    for (size_t i = 8; i < 14; ++i)
        expected.i32(colours[i].second);
    expected.f32(1.0f).object(PClass::base); // no wallpaper: a null object
    for (int i = 0; i < POption::presetCount; ++i)
        expected.emptyText().i16(50).i32(0);
    for (int i = 0; i < POption::paletteSize; ++i)
        expected.i32(0);
    const auto withoutDrawing = expected.block();
    expected.f32(0.5f).byte(1).byte(0); // smoothing, taper, brush outlines
    EXPECT_EQ(savedBytes(o), bytesOf(expected.block()));

    // A file saved before the drawing settings existed ends at the palette: it loads whole and
    // the drawing settings take their defaults.
    POption old;
    old.smoothing = 3, old.taper = false;
    EXPECT_EQ(old.load(zlibStream(withoutDrawing)), PLoadResult::ok);
    EXPECT_EQ(old.smoothing, POption::defaultSmoothing);
    EXPECT_TRUE(old.taper);
}

TEST(OptionFile, RoundTripKeepsEverySavedField)
{
    POption o;
    uint32_t colour = 0x01010101;
    for (auto [field, value] : colours)
        o.*field = colour += 0x01020304;
    o.language = 3, o.exportDpi = 600, o.autosaveEvery = 5, o.useInch = true, o.guiSize = 3, o.trackSpeed = 0.75f;
    o.lockCursor = false, o.maximised = true, o.snap = true;
    o.gridSize = 7, o.gridDivisions = 2, o.snapAngle = 5, o.pointSize = 4, o.wallOpacity = 0.25f;
    PFontSpec preset;
    preset.face.assign("Serif");
    preset.size = 70;
    preset.style = PFontSpec::bold | PFontSpec::underlined;
    o.setFontPreset(9, preset);
    o.palette[0] = 0x11223344, o.palette[25] = 0xFFEEDDCC;
    o.smoothing = 2.5f, o.taper = false, o.brushOutlines = true;

    // Every field holds a value of its own, so a field read into the wrong place shows up
    // as a difference when the loaded object is written again.
    POption r;
    ASSERT_EQ(reload(o, r), PLoadResult::ok);
    EXPECT_EQ(savedBytes(r), savedBytes(o));
    EXPECT_EQ(r.fontPreset(9), preset);
    EXPECT_EQ(r.wall, nullptr);
    EXPECT_EQ(r.smoothing, 2.5f);
    EXPECT_TRUE(hasMetrics(r, 7, 3, 1)); // recomputed from the loaded GUI size
}

TEST(OptionFile, NonFiniteFactorsFromAFileAreReplaced)
{
    POption o;
    o.trackSpeed = std::numeric_limits<float>::quiet_NaN();
    o.wallOpacity = std::numeric_limits<float>::infinity();
    POption r;
    ASSERT_EQ(reload(o, r), PLoadResult::ok);
    EXPECT_TRUE(std::isfinite(r.trackSpeed) && std::isfinite(r.wallOpacity)) << r.trackSpeed << ", " << r.wallOpacity;
}

TEST(OptionMetrics, UnknownGuiSizeKeepsThePreviousMetrics)
{
    POption o;
    o.guiSize = 1;
    o.recompute();
    EXPECT_TRUE(hasMetrics(o, 5, 2, 1));
    o.guiSize = 4;
    o.recompute();
    EXPECT_TRUE(hasMetrics(o, 5, 2, 1));

    for (int16_t size : {0, 4})
    {
        POption written;
        written.guiSize = size;
        POption loaded;
        ASSERT_EQ(reload(written, loaded), PLoadResult::ok);
        EXPECT_TRUE(hasMetrics(loaded, 6, 3, 0)) << "GUI size " << size;
    }
}

TEST(OptionPresets, IndexOutsideTheTenIsIgnored)
{
    POption o;
    PFontSpec preset;
    preset.face.assign("Mono");
    for (int i : {-1, 10})
    {
        o.setFontPreset(i, preset);
        const auto read = o.fontPreset(i);
        EXPECT_TRUE(read.face.isEmpty() && read.size == 50 && read.style == 0) << i;
    }
    for (int i = 0; i < POption::presetCount; ++i)
        EXPECT_EQ(o.fontPreset(i), PFontSpec{}) << i;
}
