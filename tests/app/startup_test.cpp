#include <gtest/gtest.h>

#include <sys/stat.h>

#include "../support/testfiles.h"
#include "app/startup.h"
#include "edit/world.h"
#include "model/comic.h"
#include "model/option.h"

namespace
{
/** A fresh account: a program folder with its files and a user folder not yet made. */
struct Account
{
    TempFolder tmp;
    juce::File program = tmp.file("program");
    juce::File user = tmp.file("docs").getChildFile("Plumet");
    PStartup startup{program, user};

    Account() { program.createDirectory(); }
};

bool isReadOnly(const juce::File& file)
{
    struct stat info
    {
    };
    return ::stat(file.getFullPathName().toRawUTF8(), &info) == 0 && (info.st_mode & 0222) == 0;
}

int askFrench()
{
    return 3;
}
} // namespace

TEST(StartupFolders, FreshAccountGetsUserFolderImagesAndOptionsWithTheChosenLanguage)
{
    Account a;
    ASSERT_TRUE(a.startup.prepareFolders());
    EXPECT_TRUE(a.user.isDirectory());
    EXPECT_TRUE(a.user.getChildFile("images").isDirectory());

    int asked = 0;
    auto options = a.startup.loadOptions([&] { return ++asked, askFrench(); });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(options->language, 3);
    ASSERT_TRUE(a.user.getChildFile("comics_options.opt").existsAsFile());

    POption reread;
    EXPECT_EQ(reread.load(a.user.getChildFile("comics_options.opt").getFullPathName()), PLoadResult::ok);
    EXPECT_EQ(reread.language, 3);

    auto again = a.startup.loadOptions([&] { return ++asked, 1; });
    EXPECT_EQ(asked, 1) << "a second start does not ask";
    EXPECT_EQ(again->language, 3);
}

TEST(StartupFolders, UserFolderThatCannotBeMadeFails)
{
    TempFolder tmp;
    tmp.file("blocker").replaceWithText("a file where the folder should go");
    PStartup startup(tmp.folder, tmp.file("blocker").getChildFile("Plumet"));
    EXPECT_FALSE(startup.prepareFolders());
}

TEST(StartupOptions, UnreadableOptionsAreReplacedByDefaultsWithoutAsking)
{
    Account a;
    ASSERT_TRUE(a.startup.prepareFolders());
    a.startup.optionsFile().replaceWithText("not an options file");
    int asked = 0;
    auto options = a.startup.loadOptions([&] { return ++asked, 2; });
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(options->language, 1);
    POption reread;
    EXPECT_EQ(reread.load(a.startup.optionsFile().getFullPathName()), PLoadResult::ok) << "the file was rewritten";
}

TEST(StartupSamples, MissingSamplesAreCopiedReadOnlyAndEditedCopiesKept)
{
    Account a;
    ASSERT_TRUE(a.startup.prepareFolders());
    a.program.getChildFile("story_E.plm").replaceWithText("sample one");
    a.program.getChildFile("story_D.plm").replaceWithText("sample two");
    a.program.getChildFile("notes.txt").replaceWithText("not a comic");
    a.program.getChildFile("folder.plm").createDirectory();
    a.user.getChildFile("story_D.plm").replaceWithText("edited by the user");

    EXPECT_EQ(a.startup.copySamples(), 1);
    EXPECT_EQ(a.user.getChildFile("story_E.plm").loadFileAsString(), "sample one");
    EXPECT_EQ(a.user.getChildFile("story_D.plm").loadFileAsString(), "edited by the user");
    EXPECT_TRUE(isReadOnly(a.user.getChildFile("story_E.plm")));
    EXPECT_TRUE(isReadOnly(a.user.getChildFile("story_D.plm")));
    EXPECT_FALSE(a.user.getChildFile("notes.txt").exists());
    EXPECT_FALSE(a.user.getChildFile("folder.plm").exists());

    // Deleted by the user: back at the next start.
    a.user.getChildFile("story_E.plm").setReadOnly(false);
    a.user.getChildFile("story_E.plm").deleteFile();
    EXPECT_EQ(a.startup.copySamples(), 1);
    EXPECT_EQ(a.user.getChildFile("story_E.plm").loadFileAsString(), "sample one");
}

TEST(StartupWorld, ADamagedComicDoesNotStopTheStartButANewerOneDoes)
{
    Account a;
    ASSERT_TRUE(a.startup.prepareFolders());
    PComic good(a.user.getFullPathName());
    ASSERT_TRUE(good.save());
    ASSERT_TRUE(writeZlib(a.user.getChildFile("cut.plm"), StreamBytes().i16(PClass::comic).i16(1).block()));

    PWorld world;
    world.projectsFolder = a.user.getFullPathName();
    EXPECT_EQ(PStartup::loadWorld(world), PStartup::WorldLoad::damaged);
    EXPECT_EQ(world.comics.size(), 1);
    ASSERT_NE(world.loadFailure, nullptr);
    EXPECT_EQ(PStartup::failedComicName(world), "cut.plm");

    ASSERT_TRUE(a.user.getChildFile("cut.plm").deleteFile());
    ASSERT_TRUE(writeZlib(a.user.getChildFile("later.plm"), StreamBytes().i16(PClass::comic).i16(2).block()));
    PWorld newer;
    newer.projectsFolder = a.user.getFullPathName();
    EXPECT_EQ(PStartup::loadWorld(newer), PStartup::WorldLoad::newer);

    ASSERT_TRUE(a.user.getChildFile("later.plm").deleteFile());
    PWorld clean;
    clean.projectsFolder = a.user.getFullPathName();
    EXPECT_EQ(PStartup::loadWorld(clean), PStartup::WorldLoad::ok);
}

TEST(StartupNamedComic, IsTheWorldsOwnOrLoadedAtItsPathOrToldWhyNot)
{
    TempFolder tmp;
    PWorld world;
    auto* own = new PComic();
    own->path = tmp.path("own.plm");
    world.comics.append(own);
    PLoadResult result = PLoadResult::damaged;
    EXPECT_EQ(PStartup::openNamedComic(world, juce::File(own->path), result), own);

    // A comic from elsewhere keeps its path, so that saving writes back where it came from.
    PComic elsewhere;
    elsewhere.path = tmp.path("elsewhere.plm");
    ASSERT_TRUE(elsewhere.save().ok());
    PComic* opened = PStartup::openNamedComic(world, juce::File(elsewhere.path), result);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->path, elsewhere.path);
    EXPECT_EQ(world.comics.size(), 2);

    juce::File(tmp.path("junk.plm")).replaceWithText("not a comic");
    EXPECT_EQ(PStartup::openNamedComic(world, juce::File(tmp.path("junk.plm")), result), nullptr);
    EXPECT_NE(result, PLoadResult::ok);
    EXPECT_EQ(PStartup::openNamedComic(world, juce::File(tmp.path("absent.plm")), result), nullptr);
    EXPECT_EQ(world.comics.size(), 2);
}
