#include <gtest/gtest.h>

#include "../support/testfiles.h"
#include "model/comic.h"
#include "model/option.h"

TEST(ProjectFileName, StampIsLocalCalendarTime)
{
    struct Row
    {
        int year, monthFromZero, day, hour, minute, second;
        const char* name;
    };
    const Row rows[] = {{2011, 0, 3, 9, 5, 7, "comics_20110103_090507.plm"},
                        {1999, 11, 31, 23, 59, 59, "comics_19991231_235959.plm"}};
    for (const auto& r : rows)
    {
        const juce::Time when(r.year, r.monthFromZero, r.day, r.hour, r.minute, r.second, 0, true);
        EXPECT_EQ(PProject::fileNameFor(PClass::comic, when), r.name);
    }
    EXPECT_EQ(PProject::fileNameFor(PClass::option, juce::Time()), "comics_options.opt");
}

TEST(ProjectFileName, NewProjectNeverTakesAnExistingFile)
{
    TempFolder tmp;
    const auto folder = tmp.folder.getFullPathName();
    EXPECT_EQ(juce::File(POption(folder).path), tmp.file("comics_options.opt"));
    PComic first(folder);
    EXPECT_EQ(juce::File(first.path).getParentDirectory(), tmp.folder);
    EXPECT_TRUE(first.modified);

    // Occupy every name the clock could give during this test, then their "_2" twins.
    const auto now = juce::Time::getCurrentTime();
    auto occupy = [&](const juce::String& suffix)
    {
        for (int s = -2; s <= 30; ++s)
        {
            const auto name = PProject::fileNameFor(PClass::comic, now + juce::RelativeTime::seconds(s));
            tmp.file(name.replace(".plm", suffix + ".plm")).create();
        }
    };
    occupy("");
    EXPECT_TRUE(PComic(folder).path.endsWith("_2.plm"));
    occupy("_2");
    EXPECT_TRUE(PComic(folder).path.endsWith("_3.plm"));
}

TEST(ProjectLoad, EmptyPathAndMissingFile)
{
    TempFolder tmp;
    PComic comic;
    EXPECT_EQ(comic.load(""), PLoadResult::outOfMemory);
    EXPECT_EQ(comic.load(tmp.path("missing.plm")), PLoadResult::damaged);
}
