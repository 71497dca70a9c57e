#include <gtest/gtest.h>

#include "model/fontspec.h"
#include "support/tolerance.h"

TEST(FontSpecFont, FollowsTheFieldsEvenAfterTheyChange)
{
    PFontSpec fontSpec;
    fontSpec.face.assign("DejaVu Serif");
    EXPECT_TRUE(isNear(fontSpec.getFont(false).getHeight(), 10));
    fontSpec.size = 70;
    fontSpec.style = PFontSpec::bold | PFontSpec::underlined;
    const juce::Font font = fontSpec.getFont(false);
    EXPECT_EQ(font.getTypefaceName(), "DejaVu Serif");
    EXPECT_TRUE(isNear(font.getHeight(), 14));
    EXPECT_TRUE(font.isBold() && font.isUnderlined() && !font.isItalic());
    EXPECT_TRUE(isNear(fontSpec.getFont(true).getHeight(), 14 * 1.8));
    EXPECT_GT(PFontSpec().getFont(false).getStringWidthFloat("W"), 0.0f); // a preset without a face
}

TEST(FontSpecFont, CopiesStartWithoutTheCachedFont)
{
    PFontSpec fontSpec;
    fontSpec.size = 90;
    fontSpec.getFont(false);
    const PFontSpec copy(fontSpec);
    PFontSpec assigned;
    assigned.getFont(false);
    assigned = fontSpec;
    for (const PFontSpec* s : {&copy, static_cast<const PFontSpec*>(&assigned)})
    {
        EXPECT_EQ(*s, fontSpec);
        EXPECT_EQ(s->font, nullptr);
    }
    EXPECT_TRUE(isNear(assigned.getFont(false).getHeight(), 18));
}
