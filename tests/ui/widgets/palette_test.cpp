#include <gtest/gtest.h>

#include "ui/widgets/button.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/tint.h"

namespace
{
TEST(ColourPalette, PagesByEightAndReportsTheChosenEntry)
{
    POption options;
    RecordingPane root(&options);
    auto* palette = new PPalette(&root, 0, 0); // no peer of its own: reported as "?"
    std::vector<uint32_t> colours;
    for (uint32_t i = 0; i < 12; ++i)
        colours.push_back(0xFF000000u | i);
    palette->setColours(colours);
    EXPECT_FALSE(palette->back->isEnabled());
    EXPECT_TRUE(palette->forward->isEnabled());

    click(*palette->forward);
    EXPECT_EQ(palette->firstShown(), 8);
    EXPECT_FALSE(palette->forward->isEnabled());
    EXPECT_FALSE(palette->entries[4]->hasColour) << "entry 12 does not exist";
    click(*palette->entries[4]);
    click(*palette->entries[2]);
    EXPECT_EQ(palette->chosen(), 10);
    EXPECT_EQ(palette->chosenColour(), 0xFF00000Au);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change ?"}));
}
} // namespace
