#include <gtest/gtest.h>

#include "../support/stepaction.h"
#include "../support/testdocument.h"
#include "edit/actions.h"

TEST(ActionsCompound, PerformsInOrderAndUndoesInReverse)
{
    std::vector<std::string> log;
    TestDocument d;
    auto* all = new PActions(d.world, "Action.Panel");
    for (const char* tag : {"A", "B", "C"})
        all->add(new StepAction(d.world, tag, log));
    all->add(nullptr);
    all->record();
    d.world.undo();
    d.world.redo();
    EXPECT_EQ(log, (std::vector<std::string>{"+A", "+B", "+C", "-C", "-B", "-A", "++A", "++B", "++C"}));
    EXPECT_EQ(all->children.size(), 3);
    EXPECT_TRUE(all->done);
    PName name;
    d.world.undoName(name);
    EXPECT_EQ(name.toString(), "Action.Panel");
}
