// The comic chooser driven headless: rows chosen through the list box as a click would, the
// buttons through their handlers, the modal run played by a script.

#include <gtest/gtest.h>

#include <functional>

#include "../support/testfiles.h"
#include "edit/world.h"
#include "model/translate.h"
#include "ui/comicopen.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/list.h"
#include "ui/widgets/recorder.h"

namespace
{
struct Chooser
{
    TempFolder folder;
    POption options;
    PWorld world;
    PComic *zebra = add("Zebra"), *apple = add("apple"), *mango = add("Mango");

    Chooser() { world.projectsFolder = folder.folder.getFullPathName(); }
    ~Chooser() { PDialog::scriptedRun = nullptr; }
    PComic* add(const char* title)
    {
        auto* comic = new PComic(folder.folder.getFullPathName());
        comic->name.assign(title);
        world.adoptNewComic(comic);
        return comic;
    }
    /** Runs the chooser with the user's moves; the comic it answers. */
    PComic* run(std::function<void(PComicOpen&, PDialog&)> user)
    {
        PDialog::scriptedRun = [user](PDialog& d) { user(*dynamic_cast<PComicOpen*>(d.pane), d); };
        return PComicOpen::run(world, options);
    }
    static void select(PComicOpen& pane, int row)
    {
        dynamic_cast<juce::ListBox*>(pane.list->getComponent())->selectRow(row);
    }
};

TEST(ComicOpenList, NewComicRowFirstThenTitlesInReadingOrderWithTheOpenComicChosen)
{
    Chooser c;
    c.mango->flags |= PFlag::current;
    PComicOpen pane(c.world, &c.options);
    std::string rows;
    for (auto* item : pane.list->getItems())
        rows += item->name.toString().toStdString() + "|";
    EXPECT_EQ(rows, ::translate("ComicOpen.Empty").toStdString() + "|apple|Mango|Zebra|");
    EXPECT_EQ(pane.list->selectedItem(), c.mango);
    EXPECT_EQ(pane.acceptButton->captionKey, "ComicOpen.Open");

    Chooser::select(pane, 0);
    EXPECT_TRUE(pane.placeholderChosen());
    EXPECT_EQ(pane.acceptButton->captionKey, "ComicOpen.Create");
    Chooser::select(pane, 1);
    EXPECT_EQ(pane.acceptButton->captionKey, "ComicOpen.Open");
}

TEST(ComicOpenAccept, TheNewComicRowAddsExactlyOneUnnamedComicOfItsOwn)
{
    Chooser c;
    PComic* made = c.run(
        [](PComicOpen& pane, PDialog&)
        {
            Chooser::select(pane, 0);
            click(*pane.acceptButton);
            pane.onCommand(pane.list, PKeyCommand::enter); // a Return before the window is gone
        });
    ASSERT_EQ(c.world.comics.size(), 4);
    EXPECT_EQ(made, c.world.comicAt(3));
    EXPECT_EQ(made->name.toString(), ::translate("ComicOpen.Unnamed"));
    EXPECT_TRUE(made->hasFlag(PComicOpen::userComic));
    EXPECT_EQ(made->setting3 + made->setting4 + made->tag, 0);
    EXPECT_TRUE(made->modified);
    // Made within the same second as the others, it still gets a file of its own.
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(made->path, c.world.comicAt(i)->path);
}

TEST(ComicOpenAccept, ADoubleClickOpensAComicAndClosingTheWindowOpensNone)
{
    Chooser c;
    EXPECT_EQ(c.run(
                  [](PComicOpen& pane, PDialog&)
                  {
                      Chooser::select(pane, 3);
                      pane.onCommand(pane.list, PKeyCommand::enter);
                  }),
              c.zebra);
    EXPECT_EQ(c.run([](PComicOpen&, PDialog& d) { d.closeRequested(); }), nullptr);
    EXPECT_EQ(c.world.comics.size(), 3);
}
} // namespace
