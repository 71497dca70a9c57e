#include <gtest/gtest.h>

#include "edit/context.h"
#include "edit/world.h"
#include "ui/helppane.h"
#include "ui/widgets/note.h"
#include "ui/widgets/recorder.h"

namespace
{
TEST(HelpPane, ShowsWhileTheHelpSwitchIsOnWithTheSidePaneAndModeInUse)
{
    POption options;
    RecordingPane root(&options, 30, 20);
    PWorld world;
    auto* help = new PHelpPane(&root, 0, 0, PHelpPane::columns, PHelpPane::rows);
    help->setWorld(&world);
    help->update();
    EXPECT_FALSE(help->isVisible());

    world.helpFlag = true;
    world.context.mode = PPaneKind::clips;
    world.editMode = PEditMode::marking;
    help->update();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->text->getText(), "Help.Clips\n\nHelp.Mode3");

    world.editMode = PEditMode::point;
    root.notifyTree(PNotify::modeChanged);
    EXPECT_EQ(help->text->getText(), "Help.Clips\n\nHelp.Mode5");
    world.helpFlag = false;
    root.notifyTree(PNotify::switchChanged);
    EXPECT_FALSE(help->isVisible());
}

TEST(HelpPane, EverySidePaneAndEditModeHasItsOwnTextAndNothingElseHasOne)
{
    std::set<std::string> keys;
    for (PPaneKind pane : {PPaneKind::pages, PPaneKind::layers, PPaneKind::clips, PPaneKind::decor})
        keys.insert(PHelpPane::sidePaneKey(pane));
    for (int mode = 1; mode <= 7; ++mode)
        keys.insert(PHelpPane::editModeKey(static_cast<PEditMode>(mode)));
    EXPECT_EQ(keys.size(), 11u);
    EXPECT_EQ(keys.count(""), 0u);
    for (int other : {0, 24, 29})
        EXPECT_STREQ(PHelpPane::sidePaneKey(static_cast<PPaneKind>(other)), "");
    for (int other : {0, 8})
        EXPECT_STREQ(PHelpPane::editModeKey(static_cast<PEditMode>(other)), "");
}
} // namespace
