#include <gtest/gtest.h>

#include "model/name.h"

TEST(NameAssign, KeepsTheFirst199CodeUnits)
{
    const juce::String longText = juce::String::repeatedString("abcdefghij", 25);
    PName name(longText);
    EXPECT_EQ(name.length(), 199);
    EXPECT_EQ(name.toString(), longText.substring(0, 199));
}

TEST(NameAssign, CharactersOutsideTheBasicPlaneTakeTwoUnits)
{
    PName name(juce::String(juce::CharPointer_UTF8("\xc3\xa9\xf0\x9f\x98\x80"))); // é and an emoji
    ASSERT_EQ(name.length(), 3);
    EXPECT_EQ(name.units()[0], 0x00E9);
    EXPECT_EQ(name.units()[1], 0xD83D);
    EXPECT_EQ(name.units()[2], 0xDE00);
}

TEST(NameCompare, EqualsAndLessByCodeUnit)
{
    struct Row
    {
        const char *a, *b;
        bool equal, less;
    };
    const Row rows[] = {{"", "", true, false},      {"", "a", false, true},      {"a", "", false, false},
                        {"ab", "abc", false, true}, {"abc", "abc", true, false}, {"B", "a", false, true}};
    for (const auto& row : rows)
    {
        const PName a(row.a), b(row.b);
        EXPECT_EQ(PName::equals(a, b), row.equal) << '"' << row.a << "\" / \"" << row.b << '"';
        EXPECT_EQ(PName::less(a, b), row.less) << '"' << row.a << "\" / \"" << row.b << '"';
    }
}
