// The two bars driven headless: undo and redo follow the lists and name their actions, the
// switches write their flags and tell the panes.

#include <gtest/gtest.h>

#include <vector>

#include "edit/actionshape.h"
#include "edit/world.h"
#include "model/image.h"
#include "model/option.h"
#include "support/exportsample.h"
#include "ui/statusbar.h"
#include "ui/toolbar.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/label.h"

namespace
{
/** A root pane that records the notifications sent through it. */
struct Recorder : PPane
{
    using PPane::PPane;
    std::vector<PNotify> codes;
    void onNotify(PNotify code) override { codes.push_back(code); }
};

struct Bars
{
    POption options;
    PWorld world;
    PComic* comic = new PComic();
    Recorder root{40, 30, &options};
    PToolbar* toolbar = new PToolbar(&root, 0, 0, -1, 2);
    PStatusbar* statusbar = new PStatusbar(&root, 0, -2, -1, -1);

    Bars()
    {
        exportsample::emptyComic(*comic, 1);
        comic->pages.get<PPage>(0)->panels.append(exportsample::panel(-2, -2, 2, 2, 0xFF0000FF));
        world.comics.append(comic);
        world.options = &options;
        world.context.startChain(comic, PPaneKind::pages);
        toolbar->setWorld(&world);
        statusbar->setWorld(&world);
    }
    ~Bars() { world.context.clear(); }
};

juce::String labelText(PLabel& label)
{
    auto* peer = dynamic_cast<juce::Label*>(label.getComponent());
    return peer != nullptr ? peer->getText() : juce::String();
}
} // namespace

TEST(ToolbarUndo, FollowsTheListsAndNamesTheirActions)
{
    Bars b;
    EXPECT_FALSE(b.toolbar->undoButton->isEnabled());
    b.toolbar->onEnter(b.toolbar->undoButton);
    EXPECT_TRUE(labelText(*b.toolbar->hint).isEmpty());

    auto* panel = b.comic->pages.get<PPage>(0)->panels.get<PShape>(0);
    auto before = PActionShape::Placement::of(*panel), after = before;
    after.x = 3;
    b.world.record(std::make_unique<PActionShape>(b.world, panel, before, after));
    b.toolbar->onNotify(PNotify::geometry);
    EXPECT_TRUE(b.toolbar->undoButton->isEnabled());
    EXPECT_FALSE(b.toolbar->redoButton->isEnabled());

    b.toolbar->onClick(b.toolbar->undoButton);
    EXPECT_EQ(panel->x, 0);
    EXPECT_FALSE(b.toolbar->undoButton->isEnabled());
    EXPECT_TRUE(b.toolbar->redoButton->isEnabled());
    b.toolbar->onEnter(b.toolbar->redoButton);
    EXPECT_EQ(labelText(*b.toolbar->hint), b.toolbar->redoName.toString());
    EXPECT_FALSE(b.toolbar->redoName.isEmpty());
}

TEST(StatusbarSwitches, WriteTheirFlagsAndHelpOffAlsoClosesHelp)
{
    Bars b;
    b.statusbar->gridSwitch->setOn(true);
    b.statusbar->onChange(b.statusbar->gridSwitch);
    EXPECT_TRUE(b.options.showGrid);
    EXPECT_EQ(b.root.codes, std::vector<PNotify>{PNotify::switchChanged});

    b.world.helpFlag = true;
    b.root.codes.clear();
    b.statusbar->helpSwitch->setOn(false);
    b.statusbar->onChange(b.statusbar->helpSwitch);
    EXPECT_FALSE(b.world.helpFlag);
    EXPECT_EQ(b.root.codes, (std::vector<PNotify>{PNotify::switchChanged, PNotify::rebuild}));
    b.root.codes.clear();
    b.statusbar->helpSwitch->setOn(true);
    b.statusbar->onChange(b.statusbar->helpSwitch);
    EXPECT_EQ(b.root.codes, std::vector<PNotify>{PNotify::switchChanged});
}

TEST(StatusbarSwitches, WallNeedsAWallpaperAndACancelledDialogSendsGeometry)
{
    Bars b;
    b.statusbar->refresh();
    EXPECT_FALSE(b.statusbar->wallSwitch->isEnabled());
    b.options.wall = std::make_unique<PImage>();
    b.options.wall->setFile("wall.png");
    b.statusbar->refresh();
    EXPECT_TRUE(b.statusbar->wallSwitch->isEnabled());

    b.statusbar->editOptions = [] { return false; };
    b.statusbar->onClick(b.statusbar->optionButton);
    EXPECT_EQ(b.root.codes, std::vector<PNotify>{PNotify::geometry});
}
