#include <gtest/gtest.h>

#include "ui/widgets/npane.h"
#include "ui/widgets/recorder.h"

namespace
{
using juce::KeyPress;
using juce::ModifierKeys;

TEST(PaneKeys, ReachTheHandlerAndAreKeptButEscapeGoesToTheWindow)
{
    POption options;
    RecordingPane root(&options);
    root.getComponent()->setName("R");
    auto* peer = root.component;
    EXPECT_TRUE(peer->keyPressed(KeyPress(KeyPress::deleteKey)));
    EXPECT_FALSE(peer->keyPressed(KeyPress(KeyPress::escapeKey))) << "a chooser closes on it";
    EXPECT_TRUE(peer->keyPressed(KeyPress('z', ModifierKeys::commandModifier, 0)));
    EXPECT_EQ(root.log, (std::vector<std::string>{"command 5 R", "command 8 R"}));
}
} // namespace
