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
    TempFolder folder;
    PComic comic;
    sample::fill(comic);
    comic.path = folder.path("sample.plm");
    if (!comic.save())
        return {};
    return inflateFile(folder.file("sample.plm"));
}

PLoadResult loadStream(const void* bytes, size_t size)
{
    juce::MemoryOutputStream packed;
    {
        juce::GZIPCompressorOutputStream zip(packed);
        zip.write(bytes, size);
    }
    PComic comic;
    return comic.load(std::make_unique<juce::MemoryInputStream>(packed.getMemoryBlock(), true));
}
} // namespace

TEST(HostileFile, EveryTruncationIsReportedAsIncomplete)
{
    const auto stream = sampleStream();
    ASSERT_GT(stream.getSize(), 1000u);
    ASSERT_EQ(loadStream(stream.getData(), stream.getSize()), PLoadResult::ok);
    for (size_t end = 0; end < stream.getSize(); ++end)
    {
        const auto result = loadStream(stream.getData(), end);
        ASSERT_TRUE(result == PLoadResult::damaged || result == PLoadResult::newerOrIncomplete)
            << "cut after " << end << " of " << stream.getSize() << " bytes answered " << static_cast<int>(result);
    }
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
        bytes[at] = (uint8_t) (bytes[at] == v ? v ^ 0x80 : v);
        const auto result = loadStream(changed.getData(), changed.getSize());
        EXPECT_TRUE(static_cast<int>(result) >= static_cast<int>(PLoadResult::outOfMemory) &&
                    static_cast<int>(result) <= static_cast<int>(PLoadResult::newerOrIncomplete))
            << "byte " << at << " set to " << v << " answered " << static_cast<int>(result);
    }
}

// The fuzzers start from these files: `PLUMET_FUZZ_SEEDS=fuzz/corpus plumet_tests
// --gtest_filter=HostileFile.*` renews them after a change of the file format.
TEST(HostileFile, WritesTheFuzzSeedsWhenAsked)
{
    const juce::String seeds = juce::SystemStats::getEnvironmentVariable("PLUMET_FUZZ_SEEDS", {});
    if (seeds.isEmpty())
        GTEST_SKIP() << "PLUMET_FUZZ_SEEDS names no folder";
    const juce::File folder(seeds);
    const auto stream = sampleStream();
    ASSERT_TRUE(folder.getChildFile("project/sample.raw").replaceWithData(stream.getData(), stream.getSize()));

    TempFolder temp;
    PComic comic;
    sample::fill(comic);
    comic.path = folder.getChildFile("compressed/sample.plm").getFullPathName();
    ASSERT_TRUE(comic.save());
    POption options;
    options.path = temp.path("options.opt");
    ASSERT_TRUE(options.save());
    const auto raw = inflateFile(temp.file("options.opt"));
    ASSERT_TRUE(folder.getChildFile("options/default.raw").replaceWithData(raw.getData(), raw.getSize()));
}
