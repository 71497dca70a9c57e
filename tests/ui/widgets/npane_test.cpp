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
        PKeyCommand command;
    };
    // Letters count in either case; only the digits 1 to 5 and the listed keys mean anything.
    const Case cases[] = {
        {KeyPress('N', ctrl, 0), PKeyCommand::newItem},
        {KeyPress('x', ctrl, 0), PKeyCommand::cut},
        {KeyPress(KeyPress::deleteKey), PKeyCommand::remove},
        {KeyPress('z', ctrl, 0), PKeyCommand::undo},
        {KeyPress(KeyPress::F1Key), PKeyCommand::help},
        {KeyPress(KeyPress::returnKey), PKeyCommand::enter},
        {KeyPress('1'), PKeyCommand::firstDigit},
        {KeyPress('5'), PKeyCommand::lastDigit},
        {KeyPress('6'), PKeyCommand::none},
        {KeyPress('n'), PKeyCommand::none},
        {KeyPress('Q', ctrl, 0), PKeyCommand::none},
        {KeyPress(KeyPress::escapeKey), PKeyCommand::none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NPane::commandForKey(c.key), c.command) << c.key.getTextDescription();
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
