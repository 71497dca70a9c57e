// The Pages pane driven headless: its ring chooses the canvas's mode, its menu adds, cuts and
// pastes pages as single steps, and a page cut away takes no selection with it.

#include <gtest/gtest.h>

#include "model/image.h"
#include "model/page.h"
#include "support/panedesk.h"
#include "support/undostep.h"
#include "ui/command.h"
#include "ui/pagepane.h"
#include "ui/widgets/button.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/list.h"

namespace
{
struct PageDesk : PaneDesk
{
    PPagePane* pane = new PPagePane(&root, 0, 0, 12, -1);

    PageDesk() : PaneDesk(PPaneKind::pages) { pane->setWorld(&world, canvas); }

    PButton* modeButton(PEditMode mode)
    {
        for (auto& [button, buttonMode] : pane->ring)
            if (buttonMode == mode)
                return static_cast<PButton*>(button);
        return nullptr;
    }
    void chooseMode(PEditMode mode)
    {
        // A mode button lights up, then reports the click.
        modeButton(mode)->setOn(true);
        pane->onClick(modeButton(mode));
    }
};
} // namespace

TEST(PagePaneMode, EachRingButtonSetsItsModeAndWallpaperIsWhatIsLeft)
{
    PageDesk d;
    d.options.wall = std::make_unique<PImage>();
    for (auto mode : {PEditMode::point, PEditMode::attachment, PEditMode::wallpaper, PEditMode::shape})
    {
        d.chooseMode(mode);
        EXPECT_EQ(d.world.editMode, mode);
        EXPECT_EQ(d.pane->ringMode(), mode);
    }
    // Every other button off: the pane asks for the wallpaper.
    for (auto& entry : d.pane->ring)
        entry.first->setOn(false);
    EXPECT_EQ(d.pane->ringMode(), PEditMode::wallpaper);
}

TEST(PagePaneMode, WallpaperModeDropsTheSelectedPanelAndItsPoint)
{
    PageDesk d;
    d.world.context.setTarget(d.panel, PClass::panel);
    d.world.editMode = PEditMode::point;
    d.world.context.setTarget(d.panel->points.get<PBase>(0), PClass::point);
    d.chooseMode(PEditMode::wallpaper);
    EXPECT_EQ(d.world.context.target(PClass::panel), nullptr);
    EXPECT_EQ(d.world.context.target(PClass::point), nullptr);
}

TEST(PagePaneMenu, NewAndPasteAddOnePageEachAndAnEmptyClipboardAddsNothing)
{
    PageDesk d;
    const int pages = d.comic->pages.size();
    d.pane->onMenu(PCommand::paste);
    EXPECT_TRUE(d.world.undoList.isEmpty());
    d.pane->onMenu(PCommand::create);
    EXPECT_EQ(d.comic->pages.size(), pages + 1);
    d.world.context.setTarget(d.page, PClass::page);
    d.pane->onMenu(PCommand::copy);
    d.pane->onMenu(PCommand::paste);
    ASSERT_EQ(d.comic->pages.size(), pages + 2);
    EXPECT_EQ(d.comic->pages.get<PPage>(pages + 1)->panels.size(), d.page->panels.size());
    EXPECT_EQ(d.world.undoList.size(), 3);
    d.pane->refresh(true);
    EXPECT_EQ(d.pane->list->rowCount(), pages + 2);
}

TEST(PagePaneMenu, CuttingTheShownPageWithASelectedPanelDropsTheSelectionAndUndoBringsBothBack)
{
    PageDesk d;
    d.world.context.setTarget(d.page, PClass::page);
    d.world.context.setTarget(d.panel, PClass::panel);
    const auto before = d.bytes();
    d.pane->onMenu(PCommand::cut);
    EXPECT_FALSE(d.comic->pages.contains(d.page));
    EXPECT_EQ(d.world.context.target(PClass::page), nullptr);
    EXPECT_EQ(d.world.context.target(PClass::panel), nullptr);
    EXPECT_EQ(d.canvas->selection.shape, nullptr);
    d.world.undo();
    EXPECT_EQ(d.world.context.target(PClass::page), d.page);
    EXPECT_EQ(d.world.context.target(PClass::panel), d.panel);
    EXPECT_EQ(d.bytes(), before);
}

TEST(PagePaneName, ANameTypedKeyByKeyIsOneStepThatUndoTakesBack)
{
    PageDesk d;
    d.world.context.setTarget(d.page, PClass::page);
    d.pane->refresh(true);
    expectUndoStep(d.world, *d.comic,
                   [&d]
                   {
                       for (const char* typed : {"S", "Sp", "Splash"})
                           d.pane->nameField->text.assign(typed), d.pane->onChange(d.pane->nameField);
                   });
    EXPECT_EQ(d.page->name.toString(), "Splash");
}

TEST(PagePaneAdd, AddPanelFromPointModeSwitchesToShapesAndAddsThePanelWithItsLayer)
{
    PageDesk d;
    d.world.context.setTarget(d.page, PClass::page);
    d.chooseMode(PEditMode::point);
    const int panels = d.page->panels.size();
    d.pane->run(PSidePane::Command::addPanel);
    EXPECT_EQ(d.world.editMode, PEditMode::shape);
    ASSERT_EQ(d.page->panels.size(), panels + 1);
    EXPECT_EQ(d.page->panels.get<PPanel>(panels)->layers.size(), 1);
    EXPECT_EQ(d.world.undoList.size(), 1);
}

TEST(PagePaneMenu, ExportsGoToTheContentPaneOnlyWithAPage)
{
    PageDesk d;
    std::vector<PCommand> asked;
    d.pane->exportPage = [&asked](PCommand code) { asked.push_back(code); };
    d.world.context.setTarget(d.page, PClass::page);
    const std::vector<PCommand> exports{PCommand::exportJpg, PCommand::exportPng, PCommand::exportPdf,
                                        PCommand::exportSvg, PCommand::inkSeries, PCommand::colourSeries};
    for (PCommand code : exports)
        d.pane->onMenu(code);
    d.world.context.setTarget(nullptr, PClass::page);
    d.pane->onMenu(PCommand::exportPdf);
    EXPECT_EQ(asked, exports);
}
