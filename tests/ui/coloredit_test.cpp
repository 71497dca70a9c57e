#include <gtest/gtest.h>

#include "../support/testdocument.h"
#include "edit/actionproperty.h"
#include "ui/coloredit.h"
#include "ui/editorhost.h"
#include "ui/wheel.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/tint.h"

namespace
{
constexpr uint32_t opening = 0xFF4099BF, stored = 0xFFD5F033;

void clickWheel(PWheel& wheel, juce::Rectangle<float> cell)
{
    wheel.onMouseDown(cell.getCentreX(), cell.getCentreY());
}

TEST(ColourEditor, EditsLiveAndCancelGivesBackTheOpeningColourAfterAPick)
{
    POption options;
    options.palette[3] = stored;
    uint32_t colour = opening;
    int liveCalls = 0;
    PColorEdit edit(&options, &colour);
    edit.live = [&] { ++liveCalls; };

    clickWheel(*edit.wheel, PWheel::blackCell(options.u));
    EXPECT_EQ(colour, 0xFF409900u) << "the caller sees the wheel at once";
    click(*edit.pick[3]);
    EXPECT_EQ(colour, stored);
    EXPECT_EQ(edit.wheel->colour, stored);
    EXPECT_EQ(edit.currentSwatch->colour, stored);
    click(*edit.cancel);
    EXPECT_EQ(colour, opening);
    EXPECT_EQ(liveCalls, 3);

    // Closing through the title bar is a cancel as well.
    click(*edit.pick[3]);
    EXPECT_TRUE(edit.canClose());
    EXPECT_EQ(colour, opening);
}

TEST(ColourEditor, StoredLastEntryShowsOnReopeningAndReachesTheOptionsFile)
{
    TempFolder tmp;
    POption options(tmp.folder.getFullPathName());
    uint32_t colour = stored;
    {
        PColorEdit edit(&options, &colour);
        clickWheel(*edit.wheel, PWheel::opacityCell(4, options.u));
        click(*edit.store[POption::paletteSize - 1]);
        click(*edit.cancel); // the colour goes back, the stored entry stays
    }
    const uint32_t kept = 0x99D5F033;
    EXPECT_EQ(colour, stored);
    EXPECT_EQ(options.palette[POption::paletteSize - 1], kept);
    EXPECT_TRUE(options.modified);

    PColorEdit reopened(&options, &colour);
    EXPECT_EQ(reopened.pick[POption::paletteSize - 1]->colour, kept);
    click(*reopened.pick[POption::paletteSize - 1]);
    EXPECT_EQ(colour, kept);

    ASSERT_TRUE(options.save().ok());
    POption loaded;
    ASSERT_EQ(loaded.load(options.path), PLoadResult::ok);
    EXPECT_EQ(loaded.palette, options.palette);
}

/** A pane that turns an accepted swatch change into an action on a shape's fill, as a property pane does. */
class FillPane : public PPane
{
public:
    FillPane(TestDocument& document) : PPane(10, 4, &document.options), d(document)
    {
        tint = new PTint(this, 0, 0, 2, 0);
        tint->setColour(d.curve->fillColour);
    }
    void onChange(PWidget*) override
    {
        d.world.record(std::make_unique<PActionProperty<uint32_t>>(d.world, d.curve, PProperties::fillColour,
                                                                   d.curve->fillColour, tint->colour));
    }
    void onChanging(PWidget*) override { ++liveChanges; }

    TestDocument& d;
    PTint* tint = nullptr;
    int liveChanges = 0;
};

/** Plays the user in the colour editor that a swatch opens. */
struct ScriptedEditor
{
    explicit ScriptedEditor(bool acceptIt)
    {
        PEditorHost::installForProgram();
        PDialog::scriptedRun = [acceptIt](PDialog& dialog)
        {
            auto* edit = dynamic_cast<PColorEdit*>(dialog.pane);
            ASSERT_NE(edit, nullptr);
            clickWheel(*edit->wheel, PWheel::gridCell(20, edit->options->u));
            clickWheel(*edit->wheel, PWheel::whiteCell(edit->options->u));
            click(acceptIt ? *edit->accept : *edit->cancel);
        };
    }
    ~ScriptedEditor()
    {
        PDialog::scriptedRun = nullptr;
        PWidgetHost::install(nullptr);
    }
};

TEST(ColourEditor, AnAcceptedColourOnAShapeIsOneUndoEntryACancelledOneNone)
{
    TestDocument d;
    FillPane pane(d);
    const uint32_t before = d.curve->fillColour;
    {
        ScriptedEditor user(false);
        click(*pane.tint);
    }
    EXPECT_EQ(d.world.undoList.size(), 0);
    EXPECT_EQ(pane.tint->colour, before);
    EXPECT_EQ(pane.liveChanges, 3) << "two clicks and the cancel reach the page at once";
    {
        ScriptedEditor user(true);
        click(*pane.tint);
    }
    ASSERT_EQ(d.world.undoList.size(), 1);
    EXPECT_EQ(d.curve->fillColour, 0xFF554DFFu) << "the hue kept, saturation 77 from the grid, then white";
    d.world.undo();
    EXPECT_EQ(d.curve->fillColour, before);
}
} // namespace
