#include <gtest/gtest.h>

#include <memory>

#include "model/item.h"
#include "ui/widgets/list.h"
#include "ui/widgets/recorder.h"

namespace
{
struct Rows
{
    POption options;
    RecordingPane root{&options};
    PList* list = named(new PList(&root, 0, 0, 6, 6), "L");
    std::vector<std::unique_ptr<PItem>> owned;
    std::vector<PItem*> items;

    Rows()
    {
        for (const char* name : {"a", "b", "c", "d"})
        {
            owned.push_back(std::make_unique<PItem>());
            owned.back()->name.assign(name);
            items.push_back(owned.back().get());
        }
        list->setItems(items);
    }
    void userSelects(int row) { dynamic_cast<juce::ListBox*>(list->getComponent())->selectRow(row); }
    std::string order() const
    {
        std::string s;
        for (auto* item : list->getItems())
            s += item->name.toString().toStdString();
        return s;
    }
};

TEST(ListRows, MoveRowPlacesTheRowBeforeTheTarget)
{
    struct Case
    {
        int from, insertBefore;
        bool moved;
        const char* order;
    };
    const Case cases[] = {{0, 2, true, "bacd"},  {3, 0, true, "dabc"},  {1, 4, true, "acdb"}, {1, 1, false, "abcd"},
                          {1, 2, false, "abcd"}, {0, 99, true, "bcda"}, {7, 0, false, "abcd"}};
    for (const auto& c : cases)
    {
        Rows r;
        EXPECT_EQ(PList::moveRow(r.list->items, c.from, c.insertBefore), c.moved) << c.from << " to " << c.insertBefore;
        EXPECT_EQ(r.order(), c.order) << c.from << " to " << c.insertBefore;
    }
}

TEST(ListSelection, UserSelectionReportsHiddenItemsAsNone)
{
    Rows r;
    r.items[2]->setFlag(PFlag::hidden, true);
    r.userSelects(1);
    EXPECT_EQ(r.list->selectedItem(), r.items[1]);
    r.userSelects(2);
    EXPECT_EQ(r.list->selectedItem(), nullptr);
    EXPECT_EQ(r.list->selectedRow(), 2);
    r.userSelects(3);
    EXPECT_EQ(r.root.log, (std::vector<std::string>{"select L", "select L", "select L"}));
}

TEST(ListSelection, OwnerChangesAreNotReported)
{
    Rows r;
    r.list->selectItem(r.items[3]);
    EXPECT_EQ(r.list->selectedRow(), 3);
    r.list->setItems({r.items[3], r.items[0]});
    EXPECT_EQ(r.list->selectedRow(), 0) << "the selected item stays selected";
    r.list->setItems({r.items[1]});
    EXPECT_EQ(r.list->selectedItem(), nullptr);
    EXPECT_TRUE(r.root.log.empty());
}

TEST(ListDrag, OnlyRowsOfTheSameListAndKind)
{
    Rows r;
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    r.list->selectRow(1);
    EXPECT_FALSE(r.list->getDragInfo(kind, first, count)) << "drag is off by default";
    r.list->dragKind = PDragKind::listRow;
    ASSERT_TRUE(r.list->getDragInfo(kind, first, count));
    EXPECT_EQ(kind, PDragKind::listRow);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(r.list->acceptsDrag(PDragKind::listRow, 1, 1));
    EXPECT_FALSE(r.list->acceptsDrag(PDragKind::tableRow, 1, 1));
    EXPECT_FALSE(r.list->acceptsDrag(PDragKind::listRow, 9, 1));
}
} // namespace
