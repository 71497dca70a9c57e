#include <gtest/gtest.h>

#include "ui/widgets/button.h"
#include "ui/widgets/recorder.h"

namespace
{
using Box = PWidget::Box;

TEST(ButtonBounds, FlagsWidenAndShiftByHalfUnits)
{
    const Box threeCells{54, 30, 66, 18}, oneCell{54, 30, 18, 18};
    struct Case
    {
        const char* what;
        Box grid;
        int flags, w, half, odd;
        PWidget::Insets insets;
        Box expected;
    };
    const Case cases[] = {
        {"no flags", threeCells, 0, 3, 3, 0, {}, {54, 29, 66, 20}},
        {"1 grows left", threeCells, 1, 3, 3, 0, {}, {51, 29, 69, 20}},
        {"2 grows right", threeCells, 2, 3, 3, 0, {}, {54, 29, 69, 20}},
        {"2 grows right by the odd pixel too", threeCells, 2, 3, 2, 1, {}, {54, 29, 69, 20}},
        {"4 grows up", threeCells, 4, 3, 3, 0, {}, {54, 28, 66, 21}},
        {"8 grows down", threeCells, 8, 3, 3, 0, {}, {54, 29, 66, 21}},
        {"a one-cell button without flags is lower", oneCell, 0, 1, 3, 0, {}, {54, 29, 18, 18}},
        {"a one-cell button with flags is not", oneCell, 8, 1, 3, 0, {}, {54, 29, 18, 21}},
        {"1 and 2 together", threeCells, 3, 3, 2, 1, {}, {52, 29, 71, 20}},
        {"insets are added last", threeCells, 0, 3, 3, 0, {1, 2, 3, 4}, {55, 31, 69, 24}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PControl::buttonBounds(c.grid, c.flags, c.w, c.half, c.odd, c.insets), c.expected) << c.what;
}

TEST(ButtonBounds, PeerGetsThemInItsPane)
{
    POption options;
    RecordingPane root(&options, 20, 12);
    auto* b = new PButton(&root, 2, 1, 3, 0);
    EXPECT_EQ(b->getComponent()->getBounds(), juce::Rectangle<int>(54, 29, 66, 20));
    EXPECT_EQ(b->h, 1);
    EXPECT_TRUE(b->getComponent()->isVisible());
}

} // namespace
