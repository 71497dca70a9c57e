#include <gtest/gtest.h>

#include "../support/stepaction.h"
#include "../support/testdocument.h"
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
        options.language = static_cast<int16_t>(language);
        PWorld world;
        world.options = &options;
        world.projectsFolder = tmp.folder.getFullPathName();
        EXPECT_EQ(world.loadAll(), PLoadResult::ok);
        EXPECT_EQ(titles(world), expected) << "language " << language;
        EXPECT_FALSE(world.anyModified());
    }
}

TEST(WorldLoad, AKilledSavesTemporaryIsNeverAComicAndGoesAtStart)
{
    TempFolder tmp;
    saveComic(tmp, "story.plm");
    // What a save killed half-way leaves: a whole comic under the temporary's name, an hour old,
    // and one being written by another instance this very moment.
    const auto stale = tmp.file("story.plm.saving"), fresh = tmp.file("other.plm.saving");
    ASSERT_TRUE(tmp.file("story.plm").copyFileTo(stale) && tmp.file("story.plm").copyFileTo(fresh));
    ASSERT_TRUE(stale.setLastModificationTime(juce::Time::getCurrentTime() - juce::RelativeTime::hours(1)));
    PWorld world;
    world.projectsFolder = tmp.folder.getFullPathName();
    EXPECT_EQ(world.loadAll(), PLoadResult::ok);
    EXPECT_EQ(titles(world), juce::StringArray("story.plm"));
    EXPECT_FALSE(stale.exists());
    EXPECT_TRUE(fresh.exists());
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

namespace
{
std::string names(const PArray& list)
{
    std::string out;
    for (auto* element : list)
    {
        PName name;
        static_cast<PAction*>(element)->name(name);
        out += name.toString().toStdString();
    }
    return out;
}
} // namespace

TEST(WorldHistory, RecordingAfterUndoDropsTheRedoList)
{
    std::vector<std::string> log;
    TestDocument d;
    for (const char* tag : {"A", "B", "C"})
        d.world.record(std::make_unique<StepAction>(d.world, tag, log));
    d.world.undo();
    d.world.undo();
    EXPECT_EQ(names(d.world.undoList), "A");
    EXPECT_EQ(names(d.world.redoList), "CB");
    log.clear();
    d.world.record(std::make_unique<StepAction>(d.world, "D", log));
    // The dropped actions are deleted before the new one runs.
    EXPECT_EQ(log, (std::vector<std::string>{"~C", "~B", "+D"}));
    EXPECT_EQ(names(d.world.undoList), "AD");
    EXPECT_TRUE(d.world.redoList.isEmpty());
    log.clear();
    d.world.undo();
    d.world.undo();
    d.world.undo(); // nothing left: no effect
    d.world.redo();
    EXPECT_EQ(log, (std::vector<std::string>{"-D", "-A", "++A"}));
    EXPECT_EQ(names(d.world.undoList), "A");
    EXPECT_EQ(names(d.world.redoList), "D");
}

TEST(WorldHistory, AnAppliedActionIsKeptWithoutRunningItAgain)
{
    std::vector<std::string> log;
    TestDocument d;
    d.world.record(std::make_unique<StepAction>(d.world, "A", log));
    d.world.undo();
    log.clear();
    d.comic->modified = false;
    d.world.recordApplied(std::make_unique<StepAction>(d.world, "B", log));
    EXPECT_EQ(log, (std::vector<std::string>{"~A"}));
    EXPECT_EQ(names(d.world.undoList), "B");
    EXPECT_TRUE(d.world.redoList.isEmpty());
    EXPECT_TRUE(d.comic->modified);
    d.world.undo();
    d.world.redo();
    EXPECT_EQ(log, (std::vector<std::string>{"~A", "-B", "++B"}));
}

TEST(WorldHistory, AutosavesAtEveryMultipleOfTheInterval)
{
    std::vector<std::string> log;
    TestDocument d;
    d.options.autosaveEvery = 20;
    const juce::File file(d.comic->path);
    auto recordUpTo = [&](int length)
    {
        while (d.world.undoList.size() < length)
        {
            d.world.record(std::make_unique<StepAction>(d.world, "x", log));
            const int n = d.world.undoList.size();
            EXPECT_EQ(file.existsAsFile(), n == 20 || n == 40) << "after action " << n;
            file.deleteFile();
        }
    };
    recordUpTo(40);
    for (int i = 0; i < 21; ++i)
        d.world.undo();
    EXPECT_EQ(d.world.undoList.size(), 19);
    recordUpTo(20);
    EXPECT_FALSE(d.comic->modified);
    EXPECT_EQ(d.world.undoList.size(), 20); // autosave keeps the history

    for (int every : {0, 1}) // intervals of one or less never save
    {
        TestDocument quiet;
        quiet.options.autosaveEvery = static_cast<int16_t>(every);
        for (int i = 0; i < 4; ++i)
            quiet.world.record(std::make_unique<StepAction>(quiet.world, "x", log));
        EXPECT_FALSE(juce::File(quiet.comic->path).existsAsFile()) << every;
    }
}

TEST(WorldHistory, FailedAutosaveIsRememberedQuietly)
{
    std::vector<std::string> log;
    TestDocument d;
    d.options.autosaveEvery = 2;
    d.comic->path = d.tmp.path("missing/comic.plm");
    for (int i = 0; i < 2; ++i)
        d.world.record(std::make_unique<StepAction>(d.world, "x", log));
    EXPECT_EQ(d.world.loadFailure, d.comic);
    EXPECT_TRUE(d.notes.codes.empty());
}

TEST(WorldHistory, NothingIsUndoableAcrossASave)
{
    std::vector<std::string> log;
    TestDocument d;
    for (const char* tag : {"A", "B"})
        d.world.record(std::make_unique<StepAction>(d.world, tag, log));
    d.world.undo();

    const auto keep = d.comic->path;
    d.comic->path = d.tmp.path("missing/comic.plm");
    EXPECT_FALSE(d.world.saveAllAndClearHistory());
    EXPECT_EQ(d.world.undoList.size() + d.world.redoList.size(), 2);

    d.comic->path = keep;
    log.clear();
    EXPECT_TRUE(d.world.saveAllAndClearHistory());
    EXPECT_TRUE(d.world.undoList.isEmpty());
    EXPECT_TRUE(d.world.redoList.isEmpty());
    EXPECT_EQ(log, (std::vector<std::string>{"~B", "~A"}));
}

TEST(WorldClipboard, ShapesShareOneEntryAndStoringReplaces)
{
    PWorld world;
    auto made = std::make_unique<PCurve>();
    PCurve* curve = made.get();
    curve->flags |= PFlag::current;
    world.putClipboard(PClass::curve, std::move(made));
    EXPECT_FALSE(curve->hasFlag(PFlag::current));
    EXPECT_EQ(world.clipboardEntry(PClass::text), curve);
    EXPECT_EQ(world.clipboardEntry(PClass::page), nullptr);
    world.putClipboard(PClass::text, std::make_unique<PText>()); // deletes the curve
    const auto taken = world.takeClipboard(PClass::group);
    EXPECT_EQ(taken->classId(), PClass::text);
    EXPECT_EQ(world.clipboardEntry(PClass::shape), nullptr);
}
