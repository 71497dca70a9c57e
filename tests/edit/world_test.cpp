#include <gtest/gtest.h>

#include "../support/testfiles.h"
#include "edit/world.h"
#include "model/option.h"

namespace
{
void saveComic(const TempFolder& tmp, const juce::String& fileName)
{
    PComic comic;
    comic.path = tmp.path(fileName);
    comic.name.assign(fileName);
    ASSERT_TRUE(comic.save());
}

juce::StringArray titles(const PWorld& world)
{
    juce::StringArray out;
    for (int i = 0; i < world.comics.size(); ++i)
        out.add(world.comicAt(i)->name.toString());
    out.sort(false);
    return out;
}
} // namespace

TEST(WorldLoad, ListsComicFilesForTheLanguage)
{
    TempFolder tmp;
    for (const char* name : {"plain.plm", "story_D.plm", "story_E.plm", "story_Dx.plm", "other.opt"})
        saveComic(tmp, name);
    tmp.file("folder.plm").createDirectory();

    const std::pair<int, juce::StringArray> rows[] = {
        {1, {"plain.plm", "story_Dx.plm", "story_E.plm"}},
        {2, {"plain.plm", "story_D.plm", "story_Dx.plm"}},
        {3, {"plain.plm", "story_Dx.plm"}},
        {0, {"plain.plm", "story_D.plm", "story_Dx.plm", "story_E.plm"}}, // no such language: all samples
    };
    for (const auto& [language, expected] : rows)
    {
        POption options;
        options.language = (int16_t) language;
        PWorld world;
        world.options = &options;
        world.projectsFolder = tmp.folder.getFullPathName();
        EXPECT_EQ(world.loadAll(), PLoadResult::ok);
        EXPECT_EQ(titles(world), expected) << "language " << language;
        EXPECT_FALSE(world.anyModified());
    }
}

TEST(WorldLoad, MissingFolderAndDamagedFiles)
{
    TempFolder tmp;
    PWorld world;
    world.projectsFolder = tmp.path("gone");
    EXPECT_EQ(world.loadAll(), PLoadResult::damaged);

    saveComic(tmp, "good.plm");
    tmp.file("bad.plm").replaceWithText("not a comic");
    world.projectsFolder = tmp.folder.getFullPathName();
    EXPECT_EQ(world.loadAll(), PLoadResult::damaged);
    EXPECT_EQ(titles(world), juce::StringArray("good.plm"));
    ASSERT_NE(world.loadFailure, nullptr);
    EXPECT_EQ(juce::File(world.loadFailure->path), tmp.file("bad.plm"));
}

TEST(WorldSave, SavesModifiedComicsAndKeepsTheFirstFailure)
{
    TempFolder tmp;
    PWorld world;
    for (const char* name : {"good.plm", "missing/bad.plm", "untouched.plm"})
    {
        auto* comic = new PComic();
        comic->path = tmp.path(name);
        comic->modified = juce::String(name) != "untouched.plm";
        world.comics.append(comic);
    }
    EXPECT_TRUE(world.anyModified());
    EXPECT_FALSE(world.saveAll());
    EXPECT_EQ(world.loadFailure, world.comicAt(1));
    EXPECT_FALSE(world.comicAt(0)->modified);
    EXPECT_TRUE(world.comicAt(1)->modified);
    EXPECT_EQ(tmp.fileNames(), juce::StringArray("good.plm"));
}

TEST(WorldAdopt, NewComicsNeverShareAFile)
{
    TempFolder tmp;
    PWorld world;
    for (int i = 0; i < 3; ++i)
    {
        auto* comic = new PComic(tmp.folder.getFullPathName());
        if (i > 0)
            comic->path = world.comicAt(0)->path; // as when all three are made in the same second
        world.adoptNewComic(comic);
    }
    const auto stem = juce::File(world.comicAt(0)->path).getFileNameWithoutExtension();
    EXPECT_EQ(juce::File(world.comicAt(1)->path).getFileName(), stem + "_2.plm");
    EXPECT_EQ(juce::File(world.comicAt(2)->path).getFileName(), stem + "_3.plm");
}
