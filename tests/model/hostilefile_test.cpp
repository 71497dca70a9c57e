// A damaged comic must give a clear answer, never a crash, a hang or a leak: every prefix of a
// comic that holds every class, and copies with single bytes changed, go through the loader.

#include <gtest/gtest.h>

#include <random>

#include "model/option.h"
#include "support/samplecomic.h"
#include "support/testfiles.h"

namespace
{
juce::MemoryBlock sampleStream()
{
    PComic comic;
    sample::fill(comic);
    const auto bytes = savedBytes(comic);
    return juce::MemoryBlock(bytes.data(), bytes.size());
}

PLoadResult loadStream(const void* bytes, size_t size)
{
    PComic comic;
    return comic.load(zlibStream(juce::MemoryBlock(bytes, size)));
}
} // namespace

TEST(HostileFile, EveryTruncationIsReportedAsIncomplete)
{
    const auto stream = sampleStream();
    ASSERT_GT(stream.getSize(), 1000u);
    ASSERT_EQ(loadStream(stream.getData(), stream.getSize()), PLoadResult::ok);
    // Up to the 4-byte header the file cannot even be recognised; after it, it is incomplete.
    constexpr size_t headerSize = 4;
    for (size_t end = 0; end < stream.getSize(); ++end)
        ASSERT_EQ(loadStream(stream.getData(), end),
                  end < headerSize ? PLoadResult::damaged : PLoadResult::newerOrIncomplete)
            << "cut after " << end << " of " << stream.getSize() << " bytes";
}

TEST(HostileFile, ChangedBytesGiveAResultCode)
{
    const auto stream = sampleStream();
    ASSERT_GT(stream.getSize(), 1000u);
    std::mt19937 random(20261206);
    std::uniform_int_distribution<size_t> position(0, stream.getSize() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    for (int round = 0; round < 400; ++round)
    {
        juce::MemoryBlock changed(stream);
        const size_t at = position(random);
        auto* bytes = static_cast<uint8_t*>(changed.getData());
        // Half the rounds use the values that most often mean something: all bits, or none.
        const int v = round % 2 == 0 ? value(random) : (round % 4 == 1 ? 0xFF : 0x00);
        bytes[at] = static_cast<uint8_t>(bytes[at] == v ? v ^ 0x80 : v);
        const auto result = loadStream(changed.getData(), changed.getSize());
        EXPECT_TRUE(static_cast<int>(result) >= static_cast<int>(PLoadResult::outOfMemory) &&
                    static_cast<int>(result) <= static_cast<int>(PLoadResult::newerOrIncomplete))
            << "byte " << at << " set to " << v << " answered " << static_cast<int>(result);
    }
}

// The fuzzers start from these files: `PLUMET_FUZZ_SEEDS=fuzz/corpus plumet_tests
// --gtest_filter=HostileFile.*` renews them after a change of the file format. A run without
// the variable is an ordinary test run, which must not touch the corpus: it skips.
TEST(HostileFile, WritesTheFuzzSeedsWhenAsked)
{
    const juce::String seeds = juce::SystemStats::getEnvironmentVariable("PLUMET_FUZZ_SEEDS", {});
    if (seeds.isEmpty())
        GTEST_SKIP() << "PLUMET_FUZZ_SEEDS names no folder";
    const juce::File folder(seeds);
    const auto stream = sampleStream();
    ASSERT_TRUE(folder.getChildFile("project/sample.raw").replaceWithData(stream.getData(), stream.getSize()));
    PComic comic;
    sample::fill(comic);
    comic.path = folder.getChildFile("compressed/sample.plm").getFullPathName();
    ASSERT_TRUE(comic.save());
    POption options;
    const auto raw = savedBytes(options);
    ASSERT_TRUE(folder.getChildFile("options/default.raw").replaceWithData(raw.data(), raw.size()));
}
