#include <gtest/gtest.h>

#include "model/fontspec.h"
#include "support/tolerance.h"

TEST(FontHeight, SizeSettingsFallIntoFixedSteps)
{
    const std::pair<uint16_t, float> steps[] = {{0, 6},   {19, 6},  {20, 8},  {39, 8},   {40, 10},   {59, 10},
                                                {60, 14}, {79, 14}, {80, 18}, {100, 18}, {65535, 18}};
    for (const auto& [size, points] : steps)
        EXPECT_EQ(PFontSpec::heightFor(size), points) << "size " << size;
}

TEST(FontSpecFont, FollowsTheFieldsEvenAfterTheyChange)
{
    PFontSpec spec;
    spec.face.assign("DejaVu Serif");
    EXPECT_TRUE(isNear(spec.getFont(false).getHeight(), 10));
    spec.size = 70;
    spec.style = PFontSpec::bold | PFontSpec::underlined;
    const juce::Font font = spec.getFont(false);
    EXPECT_EQ(font.getTypefaceName(), "DejaVu Serif");
    EXPECT_TRUE(isNear(font.getHeight(), 14));
    EXPECT_TRUE(font.isBold() && font.isUnderlined() && !font.isItalic());
    EXPECT_TRUE(isNear(spec.getFont(true).getHeight(), 14 * 1.8));
    EXPECT_GT(PFontSpec().getFont(false).getStringWidthFloat("W"), 0.0f); // a preset without a face
}

TEST(FontSpecFont, CopiesStartWithoutTheCachedFont)
{
    PFontSpec spec;
    spec.size = 90;
    spec.getFont(false);
    const PFontSpec copy(spec);
    PFontSpec assigned;
    assigned.getFont(false);
    assigned = spec;
    for (const PFontSpec* s : {&copy, static_cast<const PFontSpec*>(&assigned)})
    {
        EXPECT_EQ(*s, spec);
        EXPECT_EQ(s->font, nullptr);
    }
    EXPECT_TRUE(isNear(assigned.getFont(false).getHeight(), 18));
}
