#include <gtest/gtest.h>

#include "../support/stepaction.h"
#include "../support/testdocument.h"
#include "edit/actions.h"

TEST(ActionsCompound, PerformsInOrderAndUndoesInReverse)
{
    std::vector<std::string> log;
    TestDocument d;
    auto compound = std::make_unique<PActions>(d.world, "Action.Panel");
    PActions* all = compound.get();
    for (const char* tag : {"A", "B", "C"})
        all->add(std::make_unique<StepAction>(d.world, tag, log));
    all->add(nullptr);
    d.world.record(std::move(compound));
    d.world.undo();
    d.world.redo();
    EXPECT_EQ(log, (std::vector<std::string>{"+A", "+B", "+C", "-C", "-B", "-A", "++A", "++B", "++C"}));
    EXPECT_EQ(all->children.size(), 3);
    EXPECT_TRUE(all->done);
    PName name;
    d.world.undoName(name);
    EXPECT_EQ(name.toString(), "Action.Panel");
}
