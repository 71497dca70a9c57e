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
} // namespace
