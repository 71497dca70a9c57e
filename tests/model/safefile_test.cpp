#include <gtest/gtest.h>

#include <cstring>

#include "model/safefile.h"
#include "support/testfiles.h"

namespace
{
bool writeAll(PSafeFile& out, const char* text)
{
    return out.open() && out.stream().write(text, std::strlen(text)) && out.commit();
}
} // namespace

// Until the commit the old file stands; the commit replaces it. Neither leaves a temporary behind.
TEST(SafeFile, CommitReplacesTheTargetAndDroppingKeepsItLeavingNoTemporary)
{
    for (const bool commit : {false, true})
    {
        TempFolder folder;
        const auto target = folder.file("page.svg");
        ASSERT_TRUE(target.replaceWithText("old"));
        {
            PSafeFile out(target);
            ASSERT_TRUE(out.open());
            out.stream().writeText("new", false, false, nullptr);
            if (commit)
            {
                ASSERT_TRUE(out.commit());
            }
        }
        EXPECT_EQ(target.loadFileAsString(), commit ? "new" : "old");
        EXPECT_EQ(folder.folder.getNumberOfChildFiles(juce::File::findFiles), 1);
    }
}

TEST(SafeFile, TheNextSaveRemovesWhatAKilledSaveLeft)
{
    TempFolder folder;
    const auto target = folder.file("comic.plm");
    const auto left = folder.file("comic.plm.saving"), other = folder.file("another.plm.saving");
    for (const auto& f : {left, other})
    {
        ASSERT_TRUE(f.replaceWithText("half a co"));
        ASSERT_TRUE(f.setLastModificationTime(juce::Time::getCurrentTime() - juce::RelativeTime::hours(1)));
    }
    PSafeFile out(target);
    ASSERT_TRUE(writeAll(out, "whole"));
    EXPECT_FALSE(left.exists());
    EXPECT_TRUE(other.exists()) << "another file's save is not this one's business";
}

TEST(SafeFile, RefusesProtectedFilesFoldersAndMissingFolders)
{
    TempFolder folder;
    const auto locked = folder.file("locked.png");
    ASSERT_TRUE(locked.replaceWithText("kept"));
    ASSERT_TRUE(locked.setReadOnly(true));
    PSafeFile toLocked(locked), toFolder(folder.folder), toNowhere(folder.file("missing/page.png"));
    EXPECT_FALSE(writeAll(toLocked, "x"));
    EXPECT_FALSE(writeAll(toFolder, "x"));
    EXPECT_FALSE(writeAll(toNowhere, "x"));
    EXPECT_EQ(locked.loadFileAsString(), "kept");
    locked.setReadOnly(false);
}

TEST(SafeFile, ProtectedFolderKeepsTheOldFile)
{
    TempFolder folder;
    const auto target = folder.file("page.png");
    ASSERT_TRUE(target.replaceWithText("kept"));
    ASSERT_TRUE(folder.folder.setReadOnly(true));
    // Only the system refuses a protected folder, and it lets root write anyway: for root the
    // case proves nothing, so it skips.
    if (folder.file("probe").create().wasOk())
        GTEST_SKIP() << "permission bits do not stop this user from writing";
    PSafeFile out(target);
    EXPECT_FALSE(writeAll(out, "x"));
    folder.folder.setReadOnly(false);
    EXPECT_EQ(target.loadFileAsString(), "kept");
}
