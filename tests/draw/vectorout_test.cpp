// The file writers print every number through one formatter and count every byte themselves:
// PDF offsets are only right if the count is, and viewers reject "nan". Inline images are
// ASCII85: a wrong group, or a z in a short tail, corrupts the picture.

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "draw/ascii85.h"
#include "draw/vectorout.h"

TEST(VectorNumber, PrintsAsPrintfWithNonFiniteAsZero)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct
    {
        double value;
        int decimals;
        const char* text;
    } rows[] = {{28.34645652770996, 3, "28.346"}, {0.0125, 2, "0.01"}, {148.5, 5, "148.50000"}, {-10, 5, "-10.00000"},
                {-0.0001, 3, "-0.000"},           {nan, 3, "0.000"},   {inf, 2, "0.00"},        {-inf, 5, "0.00000"}};
    for (const auto& row : rows)
        EXPECT_EQ(PVectorOut::formatNumber(row.value, row.decimals), row.text) << row.value;
}

TEST(VectorSink, CountsBytesAndReportsAFailedWrite)
{
    struct FullDisk : juce::OutputStream
    {
        bool write(const void*, size_t) override { return false; }
        void flush() override {}
        juce::int64 getPosition() override { return 0; }
        bool setPosition(juce::int64) override { return false; }
    } disk;
    PVectorOut out(disk);
    out.text("q").endLine().number(1.5, 2).text(" w").endLine().integer(-42);
    EXPECT_EQ(out.position(), 3 + 8 + 3);
    EXPECT_FALSE(out.finish());
}

TEST(VectorPath, QuadraticsBecomeCubicsAndCloseReturnsToStart)
{
    juce::Path path;
    path.startNewSubPath(0, 0);
    path.quadraticTo(3, 3, 6, 0);
    path.closeSubPath();
    path.quadraticTo(3, -3, 6, 0); // continues from the closed sub-path's start
    const auto items = PVectorOut::itemsOf(path);
    ASSERT_GE(items.size(), 4u);
    const float first[] = {2, 2, 4, 2, 6, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ(items[1].p[i], first[i]) << i;
    EXPECT_EQ(items[2].kind, PVectorOut::PathItem::close);
    EXPECT_FLOAT_EQ(items.back().p[1], -2);
}

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
