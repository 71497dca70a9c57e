// What the clip and decor panes share, on both: the five groups, the item menu, renaming and
// resizing as one undo step each, and cutting the item the canvas shows. Then the card (variant)
// of a clip that the clip pane shows.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/card.h"
#include "model/clip.h"
#include "support/librarydesk.h"
#include "support/testfiles.h"
#include "support/undostep.h"
#include "ui/clippane.h"
#include "ui/command.h"
#include "ui/decorpane.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/number.h"

namespace
{
template <class Pane> class LibraryPane : public ::testing::Test
{
};
using Panes = ::testing::Types<PClipPane, PDecorPane>;
TYPED_TEST_SUITE(LibraryPane, Panes);

float sizeOf(const PItem& item)
{
    return item.classId() == PClass::clip ? static_cast<const PClip&>(item).clipSize
                                          : static_cast<const PDecor&>(item).decorSize;
}
} // namespace

TYPED_TEST(LibraryPane, GroupCommandsMoveTheItemUnderTheirTabAndTheFileKeepsIt)
{
    LibraryDesk<TypeParam> d;
    PItem* item = d.item();
    for (int group = 0; group < PLibraryPane::groupCount; ++group)
    {
        d.comic->modified = false;
        d.pane->onMenu(groupCommand(group));
        EXPECT_EQ(item->tag, group);
        EXPECT_TRUE(d.comic->modified);
        EXPECT_EQ(d.pane->list->selectedItem(), item);
        for (int tab = 0; tab < PLibraryPane::groupCount; ++tab)
        {
            const auto under = d.pane->itemsOfGroup(tab);
            EXPECT_EQ(std::count(under.begin(), under.end(), item), tab == group ? 1 : 0) << group << " " << tab;
        }
    }
    EXPECT_TRUE(d.world.undoList.isEmpty());

    // Another tab: the list and the canvas show the same item, the first of that group, or none.
    d.click("1");
    const auto first = d.pane->itemsOfGroup(0);
    EXPECT_EQ(d.rows(), first);
    EXPECT_EQ(d.item(), first.empty() ? nullptr : first.front());
    EXPECT_EQ(d.canvas->selection.container, d.item());
}

TYPED_TEST(LibraryPane, PasteAndImportAddACopyUnderTheShownTabOnlyWhenThereIsOne)
{
    LibraryDesk<TypeParam> d;
    const int count = d.items().size();
    PItem* original = d.item();
    d.pane->onMenu(PCommand::paste);
    d.pane->chooseItem = [] { return nullptr; }; // the chooser was cancelled
    d.pane->onMenu(PCommand::import);
    EXPECT_TRUE(d.world.undoList.isEmpty());

    d.pane->onMenu(PCommand::copy);
    d.click("4");
    d.pane->onMenu(PCommand::paste);
    d.pane->chooseItem = [original] { return original; };
    d.pane->onMenu(PCommand::import);
    ASSERT_EQ(d.world.undoList.size(), 3);
    ASSERT_EQ(d.rows().size(), 2u);
    for (PItem* copy : d.rows())
    {
        EXPECT_NE(copy, original);
        EXPECT_EQ(copy->name, original->name);
        EXPECT_EQ(copy->tag, 3);
    }
    d.world.undo();
    d.world.undo();
    EXPECT_EQ(d.items().size(), count);
    EXPECT_TRUE(d.rows().empty());
}

TYPED_TEST(LibraryPane, RenameAndResizeAreOneUndoStepEachAndUndoRestoresTheFile)
{
    LibraryDesk<TypeParam> d;
    auto& p = *d.pane;
    PItem* item = d.item();
    const PName oldName = item->name;
    PShape* shape = d.canvas->shownList()->template get<PShape>(0);
    const float oldSize = sizeOf(*item), oldScale = shape->scaleX;

    // The same name again is no step.
    expectUndoStep(d.world, *d.comic,
                   [&p] { p.nameField->setValue("Oak"), p.onChange(p.nameField), p.onChange(p.nameField); });
    expectUndoStep(d.world, *d.comic, [&p, oldSize] { p.sizeNumber->setValue(2 * oldSize), p.onChange(p.sizeNumber); });
    EXPECT_EQ(item->name.toString(), "Oak");
    EXPECT_FLOAT_EQ(shape->scaleX, 2 * oldScale); // the artwork grows with its size

    d.world.undo();
    d.world.undo();
    EXPECT_EQ(d.pane->nameField->text, oldName);
    EXPECT_FLOAT_EQ(d.pane->sizeNumber->getValue(), oldSize);
}

TYPED_TEST(LibraryPane, CuttingTheShownItemDropsItsSelectedShapeAndUndoBringsBothBack)
{
    LibraryDesk<TypeParam> d;
    PItem* item = d.item();
    const int at = d.items().indexOf(item);
    PShape* shape = d.selectFirstShape();
    ASSERT_EQ(d.canvas->selection.shape, shape);

    d.pane->onMenu(PCommand::cut);
    EXPECT_EQ(d.world.clipboardEntry(d.pane->itemClass), item);
    EXPECT_EQ(std::count(d.rows().begin(), d.rows().end(), item), 0);
    EXPECT_EQ(d.world.context.target(PClass::shape), nullptr);
    EXPECT_EQ(d.canvas->selection.shape, nullptr);
    EXPECT_FALSE(shape->hasFlag(PFlag::current));

    d.world.undo();
    EXPECT_EQ(d.items().indexOf(item), at);
    EXPECT_EQ(d.pane->list->selectedItem(), item);
    EXPECT_EQ(d.canvas->selection.shape, shape);
    d.world.redo();
    EXPECT_EQ(d.canvas->selection.shape, nullptr);
}

TEST(ClipPaneVariant, AnotherCardDropsTheSelectionFirstAndLeavesTheWallpaper)
{
    struct Case
    {
        PEditMode modeBefore;
        bool withShape;
        PEditMode modeAfter;
    };
    for (const Case c : {Case{PEditMode::shape, true, PEditMode::shape}, Case{PEditMode::point, true, PEditMode::point},
                         Case{PEditMode::wallpaper, false, PEditMode::shape}})
    {
        LibraryDesk<PClipPane> d;
        d.world.editMode = c.modeBefore;
        if (c.withShape)
            d.selectFirstShape();
        d.root.heard.clear();

        ASSERT_TRUE(d.pane->variantNumber->enter("70000")); // beyond a card number: the last card
        d.pane->onChange(d.pane->variantNumber);
        EXPECT_EQ(d.parts.clip->currentKey, 65535);
        EXPECT_EQ(d.world.editMode, c.modeAfter);
        EXPECT_EQ(d.canvas->selection.shape, nullptr);
        EXPECT_EQ(d.canvas->shownList(), &d.parts.clip->cardAt(1)->shapes);
        EXPECT_TRUE(d.world.undoList.isEmpty()); // the card shown is a view, not an edit

        const auto& heard = d.root.heard;
        const auto redraw = std::find(heard.begin(), heard.end(), PNotify::viewChanged);
        ASSERT_NE(redraw, heard.end());
        EXPECT_EQ(std::find(heard.begin(), redraw, PNotify::selection) != redraw, c.withShape);
    }
}
