// The card (variant) of a clip that the pane shows.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/card.h"
#include "model/clip.h"
#include "support/librarydesk.h"
#include "ui/clippane.h"
#include "ui/widgets/number.h"

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
