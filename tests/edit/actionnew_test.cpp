#include <gtest/gtest.h>

#include "../support/testdocument.h"
#include "edit/actiondel.h"
#include "edit/actionnew.h"

TEST(ActionNew, ThirdPageIsNamedAfterItsNumberThroughUndoAndRedo)
{
    TestDocument d;
    d.comic->width = 0.5f;
    d.comic->height = 20;
    d.comic->margin = 2;
    auto* page = new PPage();
    page->index = 7;
    d.comic->newPage(page, d.world);
    ASSERT_EQ(d.comic->pages.size(), 3);
    EXPECT_EQ(d.comic->pages.at(2), page);
    EXPECT_EQ(page->name.toString(), "Target.41 3");
    EXPECT_EQ(page->index, 2);
    EXPECT_EQ(page->width, 1.0f);
    EXPECT_EQ(page->height, 20.0f);
    EXPECT_EQ(page->margin, 2.0f);
    EXPECT_EQ(d.world.context.target(PClass::page), page);

    d.world.undo();
    EXPECT_EQ(d.comic->pages.size(), 2);
    EXPECT_EQ(d.world.context.target(PClass::page), d.page);
    d.world.redo();
    EXPECT_EQ(d.comic->pages.at(2), page);
    EXPECT_EQ(page->name.toString(), "Target.41 3");
}

TEST(ActionNew, PagesAddedAfterACutNeverShareAName)
{
    TestDocument d;
    // The last page carries the number that a third page would get.
    d.comic->pages.get<PPage>(1)->name.assign("Target.41 3");
    for (int i = 0; i < 2; ++i)
        d.comic->newPage(new PPage(), d.world);
    ASSERT_EQ(d.comic->pages.size(), 4);
    EXPECT_EQ(d.comic->pages.get<PPage>(2)->name.toString(), "Target.41 4");
    EXPECT_EQ(d.comic->pages.get<PPage>(3)->name.toString(), "Target.41 5");
}

TEST(ActionNew, NewPageSelectsItsComicFirst)
{
    TestDocument d;
    d.world.context.clear();
    d.comic->newPage(new PPage(), d.world);
    EXPECT_EQ(d.comic->pages.size(), 3);
    EXPECT_EQ(d.world.undoList.size(), 1);
}

TEST(ActionNew, IndexedItemsGoThereOthersAreAppended)
{
    struct Row
    {
        int index, position, indexAfter;
        const char* givenName;
        const char* expectedName;
    };
    const Row rows[] = {
        {0, 0, 0, "", "Target.35 3"},
        {-1, 2, 2, "", "Target.35 3"},
        {5, 2, 5, "Ink", "Ink"}, // beyond the end: appended, the index as given
    };
    for (const auto& row : rows)
    {
        TestDocument d;
        auto made = std::make_unique<PLayer>();
        PLayer* layer = made.get();
        layer->index = row.index;
        layer->name.assign(row.givenName);
        d.world.record(std::make_unique<PActionNew>(d.world, d.panel->layers, std::move(made)));
        EXPECT_EQ(d.panel->layers.indexOf(layer), row.position);
        EXPECT_EQ(layer->index, row.indexAfter);
        EXPECT_EQ(layer->name.toString(), row.expectedName);
        d.world.undo();
        d.world.redo();
        EXPECT_EQ(d.panel->layers.indexOf(layer), row.position);
    }
}

TEST(ActionNew, TurnsTheLockSwitchOff)
{
    TestDocument d;
    d.world.lockFlag = true;
    d.world.record(std::make_unique<PActionNew>(d.world, d.panel->layers, std::make_unique<PLayer>()));
    EXPECT_FALSE(d.world.lockFlag);
    EXPECT_EQ(d.notes.take(), (std::vector<PNotify>{PNotify::selection, PNotify::switchChanged}));
    d.world.lockFlag = true;
    d.world.undo();
    EXPECT_FALSE(d.world.lockFlag);
}

TEST(ActionDel, RestoresTheItemWhereItStoodWhateverItsIndex)
{
    TestDocument d;
    auto* second = new PLayer();
    second->index = 9;
    d.panel->layers.insert(1, second);
    d.world.record(std::make_unique<PActionDel>(d.world, d.panel->layers, second));
    EXPECT_FALSE(d.panel->layers.contains(second));
    d.world.undo();
    EXPECT_EQ(d.panel->layers.indexOf(second), 1);
    d.world.redo();
    d.world.clearHistory(); // the deleted layer goes with the action
    EXPECT_EQ(d.panel->layers.size(), 2);
}
