#include <gtest/gtest.h>

#include "ui/widgets/npane.h"
#include "ui/widgets/recorder.h"

namespace
{
using juce::KeyPress;
using juce::ModifierKeys;

TEST(PaneKeys, MapToCommandCodes)
{
    const auto ctrl = ModifierKeys::commandModifier;
    struct Case
    {
        KeyPress key;
        int code;
    };
    // Letters count in either case; only the digits 1 to 5 and the listed keys mean anything.
    const Case cases[] = {
        {KeyPress('N', ctrl, 0), 1},
        {KeyPress('x', ctrl, 0), 2},
        {KeyPress(KeyPress::deleteKey), 5},
        {KeyPress('z', ctrl, 0), 8},
        {KeyPress(KeyPress::F1Key), 10},
        {KeyPress(KeyPress::returnKey), 15},
        {KeyPress('1'), 16},
        {KeyPress('5'), 20},
        {KeyPress('6'), 0},
        {KeyPress('n'), 0},
        {KeyPress('Q', ctrl, 0), 0},
        {KeyPress(KeyPress::escapeKey), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NPane::commandForKey(c.key), c.code) << c.key.getTextDescription();
}

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
