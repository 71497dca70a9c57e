#include <gtest/gtest.h>

#include "ui/alert.h"

TEST(AlertPane, TheSaveQuestionHasYesNoAndCancelAndClosingItCancels)
{
    PAlert pane(nullptr);
    pane.setMessage("Message.SaveFiles", PAlert::Type::yesNoCancel);
    pane.setBounds(pane.preferredSize());
    EXPECT_FALSE(pane.closeButton.isVisible());
    int answer = -1;
    pane.onAnswer = [&answer](int given) { answer = given; };
    const struct
    {
        juce::TextButton& button;
        const char* text;
        int answer;
    } buttons[] = {{pane.acceptButton, "Text.Yes", PAlert::firstButton},
                   {pane.cancelButton, "Text.No", PAlert::secondButton},
                   {pane.questionCancelButton, "Text.Cancel", PAlert::thirdButton}};
    int left = -1;
    for (const auto& b : buttons)
    {
        EXPECT_TRUE(b.button.isVisible()) << b.text;
        EXPECT_EQ(b.button.getButtonText(), b.text);
        EXPECT_GT(b.button.getX(), left) << b.text << " is not right of the one before";
        EXPECT_TRUE(pane.getLocalBounds().contains(b.button.getBounds())) << b.text;
        left = b.button.getRight();
        b.button.onClick();
        EXPECT_EQ(answer, b.answer) << b.text;
    }
    // The title bar's button and Escape must not answer Yes: nothing was chosen.
    EXPECT_EQ(PAlert::closeAnswer(PAlert::Type::yesNoCancel), PAlert::thirdButton);
    EXPECT_TRUE(PAlert::closeAnswers(PAlert::Type::yesNoCancel));

    // A two-button question hides the third button.
    pane.setMessage("Message.SaveFiles", PAlert::Type::yesNo);
    EXPECT_FALSE(pane.questionCancelButton.isVisible());
}
