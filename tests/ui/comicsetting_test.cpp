// The comic settings driven headless: values typed and picked as the user would, the comic
// checked after every step since the dialog edits it live.

#include <gtest/gtest.h>

#include "model/page.h"
#include "ui/comicsetting.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/label.h"
#include "ui/widgets/number.h"
#include "ui/widgets/recorder.h"

namespace
{
struct Settings
{
    POption options;
    RecordingPane window{&options};
    PComic comic;
    PPage* page = new PPage();
    std::unique_ptr<PComicSetting> pane;

    Settings(uint16_t format, float width, float height, float margin, bool rotated = false)
    {
        comic.pages.append(page);
        comic.format = format;
        comic.setFlag(PComic::rotated, rotated);
        comic.width = width, comic.height = height, comic.margin = margin;
        comic.applyPageFormat();
        comic.name.assign("Before");
        pane = std::make_unique<PComicSetting>(comic, &options, &window);
    }
    ~Settings() { PDialog::scriptedRun = nullptr; }
    static void type(PNumber* number, const char* text)
    {
        dynamic_cast<juce::Label*>(number->getComponent())->setText(text, juce::dontSendNotification);
        number->activate();
    }
    static void pickFormat(PComicSetting& p, int code)
    {
        dynamic_cast<juce::ComboBox*>(p.formatCombo->getComponent())->setSelectedId(code, juce::dontSendNotification);
        p.formatCombo->activate();
    }
    static juce::String note(PComicSetting& p)
    {
        return dynamic_cast<juce::Label*>(p.marginNote->getComponent())->getText();
    }
    static std::string shown(PNumber* number)
    {
        return dynamic_cast<juce::Label*>(number->getComponent())->getText().toStdString();
    }
};

TEST(ComicSettingMargin, KeptWhileItLeavesPageBetweenAndDroppedWhenTheSidesMeet)
{
    Settings s(PPageFormat::customCm, 10, 10, 1);
    Settings::type(s.pane->marginNumber, "4.6");
    EXPECT_FLOAT_EQ(s.page->margin, 4.6f);
    Settings::type(s.pane->widthNumber, "9");
    EXPECT_FLOAT_EQ(s.page->width, 9);
    EXPECT_EQ(s.page->margin, 0);
    EXPECT_EQ(Settings::shown(s.pane->marginNumber), "0.00");
    EXPECT_FALSE(Settings::note(*s.pane).isEmpty()) << "the user is told";
    Settings::type(s.pane->marginNumber, "-2");
    EXPECT_EQ(s.comic.margin, 0);

    // A margin typed too wide is refused and the one before stays.
    Settings::type(s.pane->marginNumber, "1.5");
    EXPECT_TRUE(Settings::note(*s.pane).isEmpty());
    Settings::type(s.pane->marginNumber, "4.5");
    EXPECT_FLOAT_EQ(s.comic.margin, 1.5f);
    EXPECT_EQ(Settings::shown(s.pane->marginNumber), "1.50");
    EXPECT_EQ(Settings::note(*s.pane), "ComicSetting.MarginKept");

    // A margin that fitted a large custom page is too wide for A5's short side.
    Settings t(PPageFormat::customCm, 30, 30, 8);
    Settings::pickFormat(*t.pane, PPageFormat::a5);
    EXPECT_EQ(t.comic.margin, 0);
}

TEST(ComicSettingLive, CancelAfterA4ToA5LandscapePutsEverythingBack)
{
    Settings s(PPageFormat::a4, 0, 0, 1.5f);
    s.pane->titleEdit->setValue("After");
    s.pane->titleEdit->activate();
    Settings::pickFormat(*s.pane, PPageFormat::a5);
    click(*s.pane->rotateCheck);
    EXPECT_TRUE(s.comic.hasFlag(PComic::rotated));
    EXPECT_FLOAT_EQ(s.page->width, 14.8f);
    EXPECT_FLOAT_EQ(s.page->height, 21);
    EXPECT_EQ(s.window.log, std::vector<std::string>(2, "root notify 14"));

    click(*s.pane->cancelButton);
    EXPECT_EQ(s.comic.format, PPageFormat::a4);
    EXPECT_FALSE(s.comic.hasFlag(PComic::rotated));
    EXPECT_FLOAT_EQ(s.page->height, 29.7f);
    EXPECT_FLOAT_EQ(s.comic.margin, 1.5f);
    EXPECT_EQ(s.comic.name.toString(), "Before");
    EXPECT_FALSE(s.comic.modified);

    // Closing the window cancels in the same way; a rotated A4 stays rotated.
    Settings t(PPageFormat::a4, 0, 0, 1, true);
    PDialog::scriptedRun = [](PDialog& d)
    {
        Settings::pickFormat(*dynamic_cast<PComicSetting*>(d.pane), PPageFormat::customCm);
        d.closeRequested();
    };
    EXPECT_FALSE(PComicSetting::run(t.comic, t.window));
    EXPECT_TRUE(t.comic.hasFlag(PComic::rotated));
    EXPECT_FLOAT_EQ(t.comic.width, 29.7f);
}

TEST(ComicSettingUnits, InchFormatsShowAndTakeInchesAndOnlyCustomSizesAreTyped)
{
    Settings s(PPageFormat::letter, 0, 0, 2.54f);
    EXPECT_EQ(Settings::shown(s.pane->widthNumber), "8.50");
    EXPECT_EQ(Settings::shown(s.pane->marginNumber), "1.00");
    EXPECT_EQ(s.pane->widthUnit->captionKey, "Text.in");
    EXPECT_FALSE(s.pane->widthNumber->isEnabled());

    Settings::pickFormat(*s.pane, PPageFormat::customIn);
    EXPECT_TRUE(s.pane->widthNumber->isEnabled());
    EXPECT_FALSE(s.pane->rotateCheck->isEnabled());
    Settings::type(s.pane->widthNumber, "4");
    EXPECT_NEAR(s.comic.width, 10.16f, 1e-4f);
    Settings::pickFormat(*s.pane, PPageFormat::customCm);
    EXPECT_EQ(s.pane->marginUnit->captionKey, "Text.cm");
    EXPECT_EQ(Settings::shown(s.pane->widthNumber), "10.16");
    // A page needs a centimetre each way, like every new page gets.
    Settings::type(s.pane->heightNumber, "0.2");
    EXPECT_FLOAT_EQ(s.page->height, PComicSetting::smallestSide);

    click(*s.pane->acceptButton);
    click(*s.pane->cancelButton); // nothing after accepting may undo it
    EXPECT_TRUE(s.comic.modified);
    EXPECT_NEAR(s.page->width, 10.16f, 1e-4f);
}
} // namespace
