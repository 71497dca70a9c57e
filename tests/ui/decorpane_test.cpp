// The decor pane's own controls: the mode ring, the deformation and new decor.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "model/choicelists.h"
#include "model/decor.h"
#include "model/group.h"
#include "support/librarydesk.h"
#include "support/testfiles.h"
#include "support/undostep.h"
#include "ui/command.h"
#include "ui/decorpane.h"
#include "ui/widgets/combo.h"

namespace
{
uint16_t deformCode(const char* key)
{
    const auto& entries = PChoiceList::entries(PChoiceList::deform);
    auto found = std::find_if(entries.begin(), entries.end(), [key](auto& e) { return std::strcmp(e.key, key) == 0; });
    return found != entries.end() ? static_cast<uint16_t>(found->code) : 0;
}
} // namespace

TEST(DecorPaneRing, EveryButtonSetsItsModeWhenClicked)
{
    LibraryDesk<PDecorPane> d;
    const std::pair<const char*, PEditMode> modes[] = {
        {"Edit.Group", PEditMode::marking},     {"Edit.Point", PEditMode::point},
        {"Edit.Wall", PEditMode::wallpaper},    {"Edit.EditDeform", PEditMode::deformBoth},
        {"Edit.TestDeform", PEditMode::deform}, {"Edit.Shape", PEditMode::shape}};
    for (const auto& [key, mode] : modes)
    {
        d.click(key);
        EXPECT_EQ(d.world.editMode, mode) << key;
    }
}

TEST(DecorPaneGrid, ANewDeformationStartsAtRestAndArtworkTurnsTheCanvasToItsHandles)
{
    // The first sample decor holds a deformed curve; the second has never been edited.
    for (const int row : {0, 1})
    {
        LibraryDesk<PDecorPane> d;
        d.pane->list->selectRow(row);
        d.pane->onSelect(d.pane->list);
        auto* decor = static_cast<PDecor*>(d.item());
        ASSERT_EQ(decor, d.comic->decor.get<PDecor>(row));
        const bool withArtwork = decor->content != nullptr;
        expectUndoStep(d.world, *d.comic,
                       [&d]
                       {
                           d.pane->gridCombo->select(deformCode("Deform.height"));
                           d.pane->onChange(d.pane->gridCombo);
                       });
        ASSERT_NE(decor->content, nullptr);
        EXPECT_EQ(decor->content->deformMode, deformCode("Deform.height"));
        const PGroup::GridPoint rest{};
        for (int i = 0; i < PGroup::gridPoints; ++i)
            EXPECT_TRUE(decor->content->gridFrom[i] == rest && decor->content->gridTo[i] == rest) << i;
        EXPECT_EQ(d.world.editMode, withArtwork ? PEditMode::deformBoth : PEditMode::shape);
        EXPECT_EQ(d.pane->ringMode(), d.world.editMode);
        // With artwork, the group's handles are the ones the canvas shows.
        EXPECT_EQ(d.canvas->selection.shape, withArtwork ? decor->content.get() : nullptr);
    }
}

TEST(DecorPaneNew, StartsFromTheComicsCardKeyWithAnEmptyGroupOfItsSize)
{
    LibraryDesk<PDecorPane> d;
    d.comic->setting3 = 5;
    d.click("3");
    d.pane->onMenu(PCommand::create);
    auto* made = static_cast<PDecor*>(d.item());
    ASSERT_EQ(made, d.comic->decor.get<PDecor>(2));
    EXPECT_EQ(d.rows(), std::vector<PItem*>{made});
    EXPECT_EQ(made->tag, 2);
    EXPECT_EQ(made->currentKey, 5);
    ASSERT_NE(made->content, nullptr);
    EXPECT_TRUE(made->content->children.isEmpty());
    EXPECT_EQ(made->content->deformA, made->decorSize);
    EXPECT_EQ(made->content->deformB, made->decorSize);
}

namespace
{
/** A frame and every gesture the user can make on the canvas, at its centre and at a corner. */
void useTheCanvas(LibraryDesk<PDecorPane>& d)
{
    juce::Image picture(juce::Image::RGB, d.canvas->getWidth(), d.canvas->getHeight(), true);
    juce::Graphics g(picture);
    d.canvas->paint(g);
    const float cx = static_cast<float>(d.canvas->getWidth()) / 2, cy = static_cast<float>(d.canvas->getHeight()) / 2;
    for (auto [x, y] : {std::pair{cx, cy}, {5.0f, 5.0f}})
    {
        d.canvas->onMouseDown(x, y);
        d.canvas->onMouseDrag(x + 20, y + 10);
        d.canvas->onMouseUp(x + 20, y + 10);
    }
    d.canvas->onMenu(PCommand::init);
    d.canvas->paint(g);
}
} // namespace

TEST(DecorPaneDeform, WithoutADecorItemTheCanvasHasNothingToDeformAndStaysAlive)
{
    for (const char* key : {"Edit.EditDeform", "Edit.TestDeform"})
    {
        // A comic without decor.
        {
            LibraryDesk<PDecorPane> d;
            d.world.context.clear();
            d.comic->decor.deleteAll();
            d.world.context.startChain(d.comic, PPaneKind::decor);
            d.world.broadcast(PNotify::selection);
            d.click(key);
            EXPECT_EQ(d.canvas->selection.shape, nullptr) << key;
            useTheCanvas(d);
            EXPECT_TRUE(d.world.undoList.isEmpty()) << key;
        }
        // An empty group tab chosen while deforming.
        {
            LibraryDesk<PDecorPane> d;
            d.click(key);
            d.click("3");
            EXPECT_EQ(d.item(), nullptr) << key;
            EXPECT_EQ(d.canvas->selection.shape, nullptr) << key;
            useTheCanvas(d);
        }
        // The shown item cut while deforming, with other decor left in the comic.
        {
            LibraryDesk<PDecorPane> d;
            ASSERT_GT(d.comic->decor.size(), 1);
            d.click(key);
            d.pane->onMenu(PCommand::cut);
            useTheCanvas(d);
            d.world.undo();
            useTheCanvas(d);
        }
    }
}
