#include <gtest/gtest.h>

#include "../support/exportsample.h"
#include "../support/testfiles.h"
#include "model/image.h"
#include "model/option.h"
#include "ui/optiondialog.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/ident.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/tint.h"

namespace
{
/** Options in a folder of their own, with a saved file to compare against. */
struct Saved
{
    Saved()
    {
        EXPECT_TRUE(options.save().ok());
        EXPECT_TRUE(original.loadFileAsData(before));
    }
    TempFolder tmp;
    POption options{tmp.folder.getFullPathName()};
    juce::File original{options.path};
    juce::MemoryBlock before;

    std::unique_ptr<POption> reload() const
    {
        auto loaded = std::make_unique<POption>();
        EXPECT_EQ(loaded->load(options.path), PLoadResult::ok);
        return loaded;
    }
};

/** A small picture to use as wallpaper. */
juce::File writePicture(const TempFolder& tmp)
{
    EXPECT_TRUE(exportsample::writePicture(tmp.file("wall.png"), 8, 6));
    return tmp.file("wall.png");
}

TEST(OptionDialog, AcceptWritesEveryControlToTheOptionsFile)
{
    Saved s;
    POptionDialog dialog(&s.options);
    click(*dialog.useInch);
    dialog.sizeIn->select(6);
    dialog.divsIn->select(2);
    dialog.angle->select(5);
    dialog.exportDpi->select(300);
    dialog.wallOpacity->setPosition(40);
    dialog.guiSize->select(3);
    dialog.pointSize->select(4);
    dialog.trackSpeed->setPosition(100);
    dialog.autosave->setValue(7);
    click(*dialog.lockCursor);
    click(*dialog.tooltips);
    dialog.editorTints[1]->setColour(0xFF112233);
    dialog.themeTints[7]->setColour(0xFF445566);
    click(*dialog.accept);

    const auto reloaded = s.reload();
    const POption& loaded = *reloaded;
    EXPECT_TRUE(loaded.useInch);
    EXPECT_EQ(loaded.gridSize, 6);
    EXPECT_EQ(loaded.gridDivisions, 2);
    EXPECT_EQ(loaded.snapAngle, 5);
    EXPECT_EQ(loaded.exportDpi, 300);
    EXPECT_FLOAT_EQ(loaded.wallOpacity, 0.4f);
    EXPECT_EQ(loaded.guiSize, 3);
    EXPECT_EQ(loaded.pointSize, 4);
    EXPECT_FLOAT_EQ(loaded.trackSpeed, 1.0f);
    EXPECT_EQ(loaded.autosaveEvery, 7);
    EXPECT_FALSE(loaded.lockCursor);
    EXPECT_FALSE(loaded.tooltips);
    EXPECT_EQ(loaded.gridColour, 0xFF112233u);
    EXPECT_EQ(loaded.decorDark, 0xFF445566u);
    EXPECT_EQ(s.options.u, 7) << "the metrics follow the new GUI size at once";
}

TEST(OptionDialog, CancelLeavesTheFileAndTheObjectUnchanged)
{
    Saved s;
    const auto reference = s.reload();
    POptionDialog dialog(&s.options);
    dialog.guiSize->select(1);
    click(*dialog.useInch);
    dialog.themeTints[0]->setColour(0xFF000000);
    click(*dialog.cancel);

    juce::MemoryBlock after;
    ASSERT_TRUE(s.original.loadFileAsData(after));
    EXPECT_EQ(after, s.before);
    POption object(s.tmp.folder.getFullPathName());
    object.copyFrom(&s.options);
    EXPECT_EQ(savedBytes(object), savedBytes(*reference));
    EXPECT_EQ(s.options.u, 6);
}

TEST(OptionDialog, SwitchingToInchesSwapsTheBoxPairsAndKeepsTheGridFields)
{
    Saved s;
    s.options.gridSize = 5;
    s.options.gridDivisions = 3;
    POptionDialog dialog(&s.options);
    EXPECT_TRUE(dialog.sizeCm->isVisible() && dialog.divsCm->isVisible());
    EXPECT_FALSE(dialog.sizeIn->isVisible() || dialog.divsIn->isVisible());
    click(*dialog.useInch);
    EXPECT_FALSE(dialog.sizeCm->isVisible() || dialog.divsCm->isVisible());
    EXPECT_TRUE(dialog.sizeIn->isVisible() && dialog.divsIn->isVisible());
    EXPECT_EQ(dialog.sizeIn->selectedCode(), 5);
    EXPECT_EQ(dialog.divsIn->selectedCode(), 3);
    EXPECT_EQ(s.options.gridSize, 5);
    EXPECT_EQ(s.options.gridDivisions, 3);

    // A choice made before the switch goes over to the other pair rather than being lost.
    dialog.sizeIn->select(8);
    click(*dialog.useInch);
    EXPECT_EQ(dialog.sizeCm->selectedCode(), 8);
}

TEST(OptionDialog, AWallpaperLoadedThenCancelledGoesBackWithTheRest)
{
    Saved s;
    s.options.palette[0] = 0xFF000000;
    POptionDialog dialog(&s.options);
    const auto picture = writePicture(s.tmp);
    dialog.chooseImage = [&] { return picture; };
    dialog.guiSize->select(3);
    click(*dialog.wallFile);
    ASSERT_NE(s.options.wall, nullptr) << "shown at once";
    s.options.palette[0] = 0xFF0000FF; // stored meanwhile by a colour editor
    click(*dialog.cancel);

    EXPECT_EQ(s.options.wall, nullptr);
    EXPECT_EQ(s.options.guiSize, 2);
    EXPECT_EQ(s.options.palette[0], 0xFF0000FFu);
}

TEST(OptionDialog, AnAcceptedWallpaperSurvivesTheOptionsFile)
{
    Saved s;
    POptionDialog dialog(&s.options);
    const auto picture = writePicture(s.tmp);
    dialog.chooseImage = [&] { return picture; };
    click(*dialog.wallFile);
    click(*dialog.accept);
    ASSERT_NE(s.options.wall, nullptr);
    EXPECT_EQ(s.options.wall->pixelWidth, 8);
    const auto loaded = s.reload();
    ASSERT_NE(loaded->wall, nullptr);
    EXPECT_EQ(loaded->wall->file.toString(), picture.getFullPathName());
}

TEST(OptionDialog, AnUnreadableWallpaperKeepsTheOldOneAndSaysSo)
{
    Saved s;
    POptionDialog dialog(&s.options);
    juce::StringArray reports;
    dialog.reportError = [&](const juce::String& text) { reports.add(text); };
    ASSERT_TRUE(dialog.loadWallpaper(writePicture(s.tmp)));
    const juce::File broken(s.tmp.path("broken.png"));
    ASSERT_TRUE(broken.replaceWithText("not a picture"));
    EXPECT_FALSE(dialog.loadWallpaper(broken));
    EXPECT_EQ(s.options.wall->file.toString(), s.tmp.path("wall.png"));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(broken.getFullPathName()));

    click(*dialog.wallClear);
    EXPECT_EQ(s.options.wall, nullptr);
    EXPECT_FALSE(dialog.wallClear->isEnabled());
}
} // namespace
