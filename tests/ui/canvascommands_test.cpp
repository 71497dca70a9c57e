// Keys, popup commands and new shapes on the canvas, each one undo step.

#include <gtest/gtest.h>

#include "support/canvasdesk.h"
#include "ui/command.h"

TEST(CanvasKeys, IgnoredWhileAButtonIsDownDeleteRemovesThePanelOrThePoint)
{
    CanvasDesk d;
    const auto body = d.screenOf(-3.5f, -3);
    d.click(body);
    d.canvas->onMouseDown(body.x, body.y);
    d.canvas->onCommand(d.canvas, PKeyCommand::remove);
    EXPECT_EQ(d.page().panels.size(), 3);
    d.canvas->onMouseUp(body.x, body.y);
    d.canvas->onCommand(d.canvas, PKeyCommand::remove);
    EXPECT_EQ(d.page().panels.size(), 2);
    EXPECT_EQ(d.world.undoList.size(), 1);

    d.world.editMode = PEditMode::point;
    d.click(d.screenOf(-2, -3.5f));
    ASSERT_NE(d.canvas->selection.shape, nullptr);
    auto& curve = static_cast<PCurve&>(*d.canvas->selection.shape);
    const auto corner = d.screenOf(curve.pointAt(0)->x, curve.pointAt(0)->y);
    d.click(corner);
    ASSERT_NE(d.canvas->selection.point, nullptr);
    d.canvas->onCommand(d.canvas, PKeyCommand::remove);
    EXPECT_EQ(curve.points.size(), 3);
    EXPECT_EQ(d.world.undoList.size(), 2);
}

TEST(CanvasPopup, CopyPasteAndMirrorAreOneStepEachAndPointModeFallsBack)
{
    CanvasDesk d;
    d.click(d.screenOf(-3.5f, -3));
    d.canvas->onMenu(PCommand::copy);
    d.canvas->onMenu(PCommand::paste);
    ASSERT_EQ(d.page().panels.size(), 4);
    // Pasted by key, the copy lands at the pane's centre, the page's centre when unzoomed.
    EXPECT_NEAR(d.panel(3).x, 0, 0.05);

    d.click(d.screenOf(-3.5f, -3));
    d.canvas->onMenu(PCommand::flipD);
    EXPECT_EQ(d.page().panels.size(), 5);
    EXPECT_EQ(d.panel(1).pointAt(0)->x, -d.panel(0).pointAt(0)->x);
    const int steps = d.world.undoList.size();
    d.world.undo();
    EXPECT_EQ(d.page().panels.size(), 4);
    EXPECT_EQ(d.world.undoList.size(), steps - 1);

    d.world.editMode = PEditMode::point;
    d.canvas->onMenu(PCommand::raise);
    EXPECT_EQ(d.world.editMode, PEditMode::shape);
}

TEST(CanvasAdd, APanelComesWithItsLayerAndAttachmentAsOneStep)
{
    CanvasDesk d;
    d.canvas->commands.addPanel();
    ASSERT_EQ(d.page().panels.size(), 4);
    EXPECT_EQ(d.panel(3).layers.size(), 1);
    EXPECT_NE(d.panel(3).attachment, nullptr);
    ASSERT_EQ(d.world.undoList.size(), 1);
    d.world.undo();
    EXPECT_EQ(d.page().panels.size(), 3);
    // Curves, texts and images go into layers, never straight onto the page.
    d.canvas->commands.addCurve();
    EXPECT_EQ(d.page().panels.size(), 3);
}
