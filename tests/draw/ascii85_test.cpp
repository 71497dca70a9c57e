// Inline images are ASCII85: a wrong group, or a z in a short tail, corrupts the picture.

#include <gtest/gtest.h>

#include <vector>

#include "draw/ascii85.h"

TEST(Ascii85, GroupsEncodeAsTheStandardSays)
{
    const struct
    {
        std::vector<uint8_t> bytes;
        const char* text;
    } rows[] = {{{0, 0, 0, 0}, "z"},
                {{0, 0, 0}, "!!!!"},
                {{0}, "!!"},
                {{'M', 'a', 'n', ' '}, "9jqo^"},
                {{255, 255, 255, 255}, "s8W-!"},
                {{0, 0, 0, 0, 0}, "z!!"},
                {{0, 0, 0, 1}, "!!!!\""},
                {{'.'}, "/c"},
                {{}, ""}};
    for (const auto& row : rows)
        EXPECT_EQ(PAscii85::encode(row.bytes.data(), row.bytes.size()), row.text) << row.text;
}
