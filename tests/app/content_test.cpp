#include <gtest/gtest.h>

#include "../support/cli.h"
#include "../support/testfiles.h"
#include "app/content.h"
#include "edit/actionshape.h"
#include "edit/world.h"
#include "model/comic.h"
#include "model/image.h"
#include "model/option.h"
#include "model/page.h"
#include "ui/canvas2.h"
#include "ui/command.h"
#include "ui/entry.h"
#include "ui/helppane.h"
#include "ui/optiondialog.h"
#include "ui/statusbar.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"

namespace
{
/** A content pane bound to a world of an empty user folder, without a window. */
struct Session
{
    TempFolder tmp;
    POption options{tmp.folder.getFullPathName()};
    PWorld world;
    PContent content{&options};

    /** With open, the session starts as the program does: on the user folder's comics. */
    explicit Session(bool open = true)
    {
        world.projectsFolder = tmp.folder.getFullPathName();
        world.options = &options;
        // No dialog shows in a test: the comic offered at start is taken, the others answer as
        // if cancelled; the menus only ask whether they exist.
        content.chooseComic = nullptr;
        content.editSettings = content.tuneColours = [](PComic&) { return false; };
        content.statusbar->editOptions = [] { return false; };
        if (open)
            content.setWorld(&world);
    }

    /** Saves the open comic and then changes it: the bytes of the file. */
    std::vector<uint8_t> savedThenEdited()
    {
        EXPECT_TRUE(content.save());
        const auto saved = bytesOf(inflateFile(juce::File(content.comic->path)));
        content.comic->newPage(new PPage(), world); // an edit, on the undo list
        return saved;
    }

    bool enabled(PCommand code) const
    {
        const auto* entry = content.menuComic.find(code);
        return entry != nullptr ? entry->enabled : content.menuHelp.find(code)->enabled;
    }
};
} // namespace

TEST(ContentWorld, FirstStartCreatesAComicWithOnePageAndTheHelpSwitchOn)
{
    Session s;
    ASSERT_EQ(s.world.comics.size(), 1);
    PComic* comic = s.world.comicAt(0);
    EXPECT_EQ(s.content.comic, comic);
    EXPECT_TRUE(comic->hasFlag(PContent::openAtStart));
    EXPECT_EQ(comic->pages.size(), 1);
    EXPECT_TRUE(comic->modified) << "written at the next save";
    EXPECT_TRUE(s.world.helpFlag);
    EXPECT_EQ(comic->name.toString(), "ComicOpen.Unnamed");
}

TEST(ContentWorld, AComicOfferedAtStartIsOpenedInsteadOfANewOne)
{
    Session s(false);
    auto* offered = new PComic(s.tmp.folder.getFullPathName());
    offered->flags |= PContent::openAtStart;
    s.world.comics.append(new PComic(s.tmp.folder.getFullPathName()));
    s.world.comics.append(offered);
    s.content.setWorld(&s.world);
    EXPECT_EQ(s.world.comics.size(), 2);
    EXPECT_EQ(s.content.comic, offered);
    EXPECT_FALSE(s.world.helpFlag);
}

TEST(ContentMenus, WithoutAWorldNothingChanges)
{
    Session s(false);
    s.content.menuComic.setEnabled(PCommand::close, true);
    s.content.onMenuUpdate();
    EXPECT_TRUE(s.enabled(PCommand::close));
}

TEST(ContentMenus, NoComicOpenLeavesOnlyTheCommandsThatNeedNone)
{
    Session s;
    ASSERT_TRUE(s.content.close());
    s.content.onMenuUpdate();
    for (PCommand code : {PCommand::close, PCommand::save, PCommand::setting, PCommand::tuning, PCommand::exportComic,
                          PCommand::exportComicBook})
        EXPECT_FALSE(s.enabled(code)) << menuIdOf(code);
    for (PCommand code :
         {PCommand::open, PCommand::option, PCommand::exit, PCommand::guide, PCommand::decor, PCommand::about})
        EXPECT_TRUE(s.enabled(code)) << menuIdOf(code);
}

TEST(ContentMenus, OpenComicRules)
{
    const struct
    {
        bool modified;
        int pages;
        PPaneKind mode;
        bool save, exportComic, tuning;
    } cases[] = {
        {true, 1, PPaneKind::pages, true, true, true},
        {false, 1, PPaneKind::pages, false, true, true},
        {false, 0, PPaneKind::pages, false, false, false},
        {true, 2, PPaneKind::layers, true, true, false},
    };
    for (const auto& c : cases)
    {
        Session s;
        PComic* comic = s.content.comic;
        // The edit context points at the first page; let it go before the pages are replaced.
        s.world.context.clear();
        comic->pages.deleteAll();
        for (int i = 0; i < c.pages; ++i)
            comic->pages.append(new PPage());
        comic->modified = c.modified;
        s.world.context.mode = c.mode;
        s.content.onMenuUpdate();
        EXPECT_TRUE(s.enabled(PCommand::close));
        EXPECT_TRUE(s.enabled(PCommand::setting));
        EXPECT_EQ(s.enabled(PCommand::save), c.save);
        EXPECT_EQ(s.enabled(PCommand::exportComic), c.exportComic);
        EXPECT_EQ(s.enabled(PCommand::exportComicBook), c.exportComic);
        EXPECT_EQ(s.enabled(PCommand::tuning), c.tuning);
    }
}

TEST(ContentCommands, ALanguageIsStoredForTheNextStartAndCannotBeChosenAgain)
{
    Session s;
    const std::pair<PCommand, int> commands[] = {
        {PCommand::localeD, 2}, {PCommand::localeF, 3}, {PCommand::localeI, 4}, {PCommand::localeE, 1}};
    for (auto [code, language] : commands)
    {
        s.content.onMenu(code);
        EXPECT_EQ(s.options.language, language);
        s.content.onMenuUpdate();
        for (PCommand shown : {PCommand::localeE, PCommand::localeD, PCommand::localeF})
            EXPECT_EQ(s.enabled(shown), shown != code) << language;
    }
    EXPECT_TRUE(s.options.modified);
}

TEST(ContentCommands, CloseAnsweredNoDiscardsTheEditsAndTheirHistory)
{
    Session s;
    const auto path = s.content.comic->path;
    const auto saved = s.savedThenEdited();
    ASSERT_TRUE(s.world.anyModified());
    s.content.askYesNo = [](const char*) { return PContent::answerNo; };
    ASSERT_TRUE(s.content.close());
    EXPECT_FALSE(s.world.anyModified());
    EXPECT_TRUE(s.world.undoList.isEmpty());
    ASSERT_EQ(s.world.comics.size(), 1);
    EXPECT_EQ(s.world.comicAt(0)->pages.size(), 1); // as it is on disk
    // Nothing the user threw away reaches the file through a later save.
    EXPECT_TRUE(s.world.saveAll().ok());
    EXPECT_EQ(bytesOf(inflateFile(juce::File(path))), saved);

    // A comic never saved goes altogether.
    s.world.adoptNewComic(new PComic(s.world.projectsFolder));
    s.world.comicAt(1)->modified = true;
    s.content.comic = s.world.comicAt(1);
    ASSERT_TRUE(s.content.close());
    EXPECT_EQ(s.world.comics.size(), 1);
}

TEST(ContentCommands, ACancelledSaveQuestionWritesNothingAndKeepsTheComicOpen)
{
    Session s;
    PComic* comic = s.content.comic;
    const auto saved = s.savedThenEdited();
    s.options.modified = true;
    ASSERT_TRUE(juce::File(s.options.path).deleteFile());
    int asked = 0;
    s.content.askYesNo = [&asked](const char*)
    {
        ++asked;
        return PContent::answerCancel;
    };
    // Closing the comic and closing the window both stop at a cancelled question.
    EXPECT_FALSE(s.content.close());
    EXPECT_FALSE(s.content.canClose());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(s.content.comic, comic);
    EXPECT_TRUE(comic->modified);
    EXPECT_EQ(comic->pages.size(), 2);
    EXPECT_EQ(s.world.undoList.size(), 1) << "the edit can still be undone";
    EXPECT_EQ(bytesOf(inflateFile(juce::File(comic->path))), saved);
    EXPECT_FALSE(juce::File(s.options.path).exists()) << "no options written either";

    // Yes still saves and closes.
    s.content.askYesNo = [](const char*) { return PContent::answerYes; };
    EXPECT_TRUE(s.content.close());
    EXPECT_EQ(s.content.comic, nullptr);
    EXPECT_NE(bytesOf(inflateFile(juce::File(comic->path))), saved);
}

TEST(ContentCommands, AFailedSaveOnCloseKeepsTheComicOpenAndSaysWhichFileAndWhy)
{
    Session s;
    PComic* comic = s.content.comic;
    const juce::File file(comic->path);
    const auto saved = s.savedThenEdited();
    // A read-only file stops the save even for root, as a copied sample does.
    ASSERT_TRUE(file.setReadOnly(true));
    s.content.askYesNo = [](const char*) { return PContent::answerYes; };
    EXPECT_FALSE(s.content.close());
    EXPECT_EQ(s.content.comic, comic);
    EXPECT_TRUE(comic->modified);
    EXPECT_EQ(s.content.lastMessageKey, "Message.SaveProtected");
    EXPECT_TRUE(s.content.lastMessageText.contains(file.getFullPathName())) << s.content.lastMessageText;
    s.content.lastMessageKey.clear();
    EXPECT_FALSE(s.content.canClose()) << "the window stays open with the unsaved work";
    EXPECT_EQ(s.content.lastMessageKey, "Message.SaveProtected");
    EXPECT_EQ(bytesOf(inflateFile(file)), saved);
    ASSERT_TRUE(file.setReadOnly(false));
}

TEST(ContentCommands, ExportsWriteWhatTheToolWrites)
{
    auto bytes = [](const juce::String& path)
    {
        juce::MemoryBlock block;
        juce::File(path).loadFileAsData(block);
        return bytesOf(block);
    };
    Session s;
    ASSERT_TRUE(s.content.save());
    const auto comicFile = s.content.comic->path;
    juce::String next;
    s.content.chooseFile = [&next](PWindow::ChooserKind, const char*, juce::String& path)
    {
        path = next;
        return true;
    };
    for (const auto& [command, name] : {std::pair{PCommand::exportPng, "page.png"},
                                        {PCommand::exportSvg, "page.svg"},
                                        {PCommand::exportPdf, "page.pdf"},
                                        {PCommand::exportJpg, "page.jpg"}})
    {
        next = s.tmp.path(juce::String("ours-") + name);
        s.content.onMenu(command);
        ASSERT_EQ(runCli({"export", comicFile, "-o", s.tmp.path(juce::String("tool-") + name)}).status, 0);
        EXPECT_FALSE(bytes(next).empty()) << name;
        EXPECT_EQ(bytes(next), bytes(s.tmp.path(juce::String("tool-") + name))) << name;
    }
    next = s.tmp.path("ours-comic.pdf");
    s.content.onMenu(PCommand::exportComic);
    ASSERT_EQ(runCli({"export", comicFile, "-o", s.tmp.path("tool-comic.pdf")}).status, 0);
    EXPECT_EQ(bytes(next), bytes(s.tmp.path("tool-comic.pdf")));
    // The comic book holds every page and its description, as the tool's does.
    next = s.tmp.path("ours-comic.cbz");
    s.content.onMenu(PCommand::exportComicBook);
    ASSERT_EQ(runCli({"export", comicFile, "-o", s.tmp.path("tool-comic.cbz")}).status, 0);
    const juce::ZipFile ours{juce::File(next)}, tools{juce::File(s.tmp.path("tool-comic.cbz"))};
    EXPECT_EQ(ours.getNumEntries(), s.content.comic->pages.size() + 1);
    for (int i = 0; i < tools.getNumEntries(); ++i)
        EXPECT_EQ(ours.getEntry(i)->filename, tools.getEntry(i)->filename);

    // A page too small for the resolution says so and writes nothing.
    s.content.comic->pages.get<PPage>(0)->width = 1;
    next = s.tmp.path("tiny.png");
    s.content.onMenu(PCommand::exportPng);
    EXPECT_EQ(s.content.lastMessageKey, "Message.PageTooSmall");
    EXPECT_FALSE(juce::File(next).exists());
}

namespace
{
/** A session whose wallpaper was moved in the wallpaper mode, as a drag on the canvas does. */
struct MovedWallpaper : Session
{
    PImage* wall;
    int history = 0; // the first page of the first comic
    MovedWallpaper()
    {
        options.wall = std::make_unique<PImage>();
        options.wall->file.assign(tmp.path("wall.png"));
        wall = options.wall.get();
        world.wallFlag = true;
        world.editMode = PEditMode::wallpaper;
        content.canvas->readSelection();
        EXPECT_EQ(content.canvas->selection.shape, wall);
        PActionShape::Placement moved;
        moved.x = 3;
        history = world.undoList.size();
        world.record(std::make_unique<PActionShape>(world, wall, PActionShape::Placement{}, moved));
    }
    ~MovedWallpaper() { PDialog::scriptedRun = nullptr; }

    /** The options dialog, ended by Accept or Cancel after the wallpaper was removed. */
    void removeWallpaperAnd(bool accept)
    {
        PDialog::scriptedRun = [accept](PDialog& dialog)
        {
            auto* pane = static_cast<POptionDialog*>(dialog.pane);
            pane->clearWallpaper();
            pane->onClick(accept ? pane->accept : pane->cancel);
        };
        auto outcome = POptionDialog::run(options);
        content.forgetWallpaper(outcome.replacedWall.get());
    }
};
} // namespace

TEST(ContentWallpaper, ARemovedWallpaperLeavesNoUndoStepOrSelectionBehind)
{
    MovedWallpaper s;
    s.removeWallpaperAnd(true);
    EXPECT_EQ(s.options.wall, nullptr);
    EXPECT_EQ(s.world.undoList.size(), s.history);
    EXPECT_FALSE(s.world.wallFlag);
    EXPECT_EQ(s.content.canvas->selection.shape, nullptr);
    EXPECT_EQ(s.world.editMode, PEditMode::shape);
    s.world.undo(); // nothing left that could touch the freed wallpaper
    s.world.redo();
}

TEST(ContentWallpaper, CancelBringsTheSameWallpaperBackWithItsHistory)
{
    MovedWallpaper s;
    s.removeWallpaperAnd(false);
    ASSERT_EQ(s.options.wall.get(), s.wall);
    EXPECT_TRUE(s.world.wallFlag);
    EXPECT_EQ(s.content.canvas->selection.shape, s.wall);
    EXPECT_EQ(s.world.undoList.size(), s.history + 1);
    s.world.undo();
    EXPECT_EQ(s.wall->x, 0);
}

TEST(ContentHelp, F1OnTheCanvasSwitchesTheHelpOnAndShowsIt)
{
    Session s;
    s.world.helpFlag = false;
    s.content.placeHelp();
    ASSERT_FALSE(s.content.helpPane->isVisible());
    s.content.canvas->onCommand(s.content.canvas, PKeyCommand::help);
    EXPECT_TRUE(s.world.helpFlag);
    EXPECT_TRUE(s.content.helpPane->isVisible());
}
