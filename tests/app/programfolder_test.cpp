// Where the program finds its own files, in a build tree and in an installation, and how the
// sample comics and their picture reach a new user's folder.

#include <gtest/gtest.h>

#include <vector>

#include "app/startup.h"
#include "support/testfiles.h"

namespace
{
void touch(const juce::File& file)
{
    file.getParentDirectory().createDirectory();
    ASSERT_TRUE(file.replaceWithText("x"));
}
} // namespace

TEST(ProgramFolder, IsTheExecutablesFolderUnlessShareBesideBinHoldsTheLanguageFiles)
{
    const struct
    {
        std::vector<const char*> files;
        const char* folder;
    } rows[] = {
        {{"bin/comics_locale_E.lng", "share/plumet-comics/comics_locale_E.lng"}, "bin"},    // a build tree
        {{"bin/plumet", "share/plumet-comics/comics_locale_D.lng"}, "share/plumet-comics"}, // an installation
        // Neither: start-up then reports the missing language file by its path beside the executable.
        {{"bin/plumet"}, "bin"},
    };
    for (const auto& row : rows)
    {
        TempFolder root;
        for (const char* file : row.files)
            touch(root.file(file));
        EXPECT_EQ(PStartup::programFolderFor(root.file("bin")), root.file(row.folder)) << row.folder;
    }
}

TEST(SampleCopy, BringsTheSamplesPictureIntoTheImagesFolderWithoutReplacingTheUsers)
{
    TempFolder program, user;
    touch(program.file("sample_comic_E.plm"));
    touch(program.file("images/plumet_postcard.png"));
    touch(program.file("images/other.png"));
    PStartup startup(program.folder, user.folder);
    ASSERT_TRUE(startup.prepareFolders());
    ASSERT_TRUE(startup.imagesFolder().getChildFile("other.png").replaceWithText("mine"));

    EXPECT_EQ(startup.copySamples(), 1);
    EXPECT_TRUE(startup.imagesFolder().getChildFile("plumet_postcard.png").existsAsFile());
    EXPECT_EQ(startup.imagesFolder().getChildFile("other.png").loadFileAsString(), "mine");
}
