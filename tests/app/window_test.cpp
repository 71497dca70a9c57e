#include <gtest/gtest.h>

#include "app/window.h"
#include "model/option.h"

TEST(ChooserExtension, SaveKindsAppendTheirExtensionUnlessPresent)
{
    const struct
    {
        PWindow::ChooserKind kind;
        const char* chosen;
        const char* path;
    } cases[] = {
        {PWindow::ChooserKind::saveJpg, "/d/page.JPEG", "/d/page.JPEG"},
        {PWindow::ChooserKind::saveJpg, "/d/page.Jpeg", "/d/page.Jpeg"},
        {PWindow::ChooserKind::saveJpg, "/d/page.png", "/d/page.png.jpg"},
        {PWindow::ChooserKind::savePng, "/d/page.PNG", "/d/page.PNG"},
        {PWindow::ChooserKind::savePng, "/d/shots.png/page", "/d/shots.png/page.png"},
        {PWindow::ChooserKind::savePdf, "/d/comic.svg", "/d/comic.svg.pdf"},
        {PWindow::ChooserKind::saveSvg, "/d/page", "/d/page.svg"},
        {PWindow::ChooserKind::openImage, "/d/photo.gif", "/d/photo.gif"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PWindow::withExtension(c.kind, c.chosen), juce::String(c.path))
            << static_cast<int>(c.kind) << " " << c.chosen;
}

TEST(WindowLayout, DefaultCellsOrAsManyAsTheDisplayHolds)
{
    constexpr int titleBar = 26;
    const struct
    {
        int guiSize;
        bool maximised;
        juce::Rectangle<int> display;
        PWindow::Layout expected;
    } cases[] = {
        // u 6, cell 24: 24 * 46 + 3 * 6 + 2 wide, 24 * 28 + 5 * 6 + 2 + title bar high.
        {2, false, {0, 0, 1920, 1080}, {46, 28, 1124, 730}},
        {1, false, {0, 0, 1920, 1080}, {46, 28, 937, 613}},
        // (1920 - 20) / 24 = 79 columns, (1080 - 32 - 26) / 24 = 42 rows.
        {2, true, {0, 0, 1920, 1080}, {79, 42, 1920, 1080}},
        // u 5, cell 20: (1366 - 17) / 20 = 67, (768 - 27 - 26) / 20 = 35.
        {1, true, {0, 40, 1366, 768}, {67, 35, 1366, 768}},
    };
    for (const auto& c : cases)
    {
        POption options;
        options.guiSize = static_cast<int16_t>(c.guiSize);
        options.recompute();
        options.maximised = c.maximised;
        const auto got = PWindow::computeLayout(options, 46, 28, c.display, titleBar);
        EXPECT_EQ(got.columns, c.expected.columns) << c.guiSize << c.maximised;
        EXPECT_EQ(got.rows, c.expected.rows) << c.guiSize << c.maximised;
        EXPECT_EQ(got.width, c.expected.width) << c.guiSize << c.maximised;
        EXPECT_EQ(got.height, c.expected.height) << c.guiSize << c.maximised;
    }
}
