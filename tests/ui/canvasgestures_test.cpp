// The canvas's mouse: every drag is one undo step, and a click that does not move changes nothing.

#include <gtest/gtest.h>

#include "model/decor.h"
#include "model/group.h"
#include "support/canvasdesk.h"
#include "ui/pointoverlay.h"

TEST(CanvasPick, RepeatedClicksStepThroughOverlappingPanels)
{
    CanvasDesk d;
    const auto spot = d.screenOf(0.5f, 0);
    std::vector<PShape*> picked;
    for (int i = 0; i < 4; ++i)
    {
        d.click(spot);
        picked.push_back(d.canvas->selection.shape);
    }
    EXPECT_EQ(picked[0], &d.panel(0));
    EXPECT_EQ(picked[1], &d.panel(1));
    EXPECT_EQ(picked[2], &d.panel(2));
    EXPECT_EQ(picked[3], &d.panel(2)); // the round starts again from the last
    EXPECT_EQ(d.world.context.target(PClass::panel), picked[3]);
    d.click(d.screenOf(9, 9)); // nothing there
    EXPECT_EQ(d.canvas->selection.shape, nullptr);
}

TEST(CanvasGesture, ClickWithoutMovementChangesNothingAndADragIsOneUndoStep)
{
    CanvasDesk d;
    const auto body = d.screenOf(-3.5f, -3); // on the first panel only
    d.click(body);
    ASSERT_EQ(d.canvas->selection.shape, &d.panel(0));
    const auto before = d.bytes();
    d.click(body);
    EXPECT_EQ(d.bytes(), before);
    EXPECT_TRUE(d.world.undoList.isEmpty());

    const auto to = d.screenOf(-1.5f, -3);
    d.canvas->onMouseDown(body.x, body.y);
    d.canvas->onMouseDrag(to.x, to.y);
    const auto dragged = PActionShape::Placement::of(d.panel(0));
    d.canvas->onMouseUp(to.x, to.y);
    // The release keeps what the drag showed, exactly, and undo and redo go between the two.
    EXPECT_EQ(PActionShape::Placement::of(d.panel(0)), dragged);
    ASSERT_EQ(d.world.undoList.size(), 1);
    EXPECT_NEAR(d.panel(0).x, 2, 0.05);
    d.world.undo();
    EXPECT_EQ(d.bytes(), before);
    d.world.redo();
    EXPECT_EQ(PActionShape::Placement::of(d.panel(0)), dragged);
}

TEST(CanvasGesture, SnappedDragLandsOnTheInchGrid)
{
    CanvasDesk d;
    d.options.snap = true;
    d.options.useInch = true;
    d.options.gridDivisions = 4; // one inch
    const auto body = d.screenOf(0, 0);
    d.click(d.screenOf(-3.5f, -3));
    d.drag(body, d.screenOf(1.3f, 0));
    EXPECT_NEAR(d.panel(0).x, 2.54, 0.05);
}

TEST(CanvasGesture, ScalingAcrossTheCentreLeavesTheScale)
{
    CanvasDesk d;
    d.click(d.screenOf(-3.5f, -3));
    // The corner handle sits at the selection's top right; dragging it through the panel's
    // position to the other side gives a . b <= 0.
    const auto corner = d.screenOf(4, 4);
    d.drag(corner, d.screenOf(-4, -4));
    EXPECT_EQ(d.panel(0).scaleX, 1);
    EXPECT_EQ(d.panel(0).scaleY, 1);
    EXPECT_TRUE(d.world.undoList.isEmpty());
    d.drag(corner, d.screenOf(8, 8));
    EXPECT_NEAR(d.panel(0).scaleX, 2, 0.05);
    EXPECT_EQ(d.world.undoList.size(), 1);
}

TEST(CanvasPointOverlay, ButtonsSetTheSelectedPointAndASegmentPressInsertsOne)
{
    CanvasDesk d;
    d.world.editMode = PEditMode::point;
    d.click(d.screenOf(-3.5f, -3));
    auto& curve = static_cast<PCurve&>(*d.canvas->selection.shape);
    d.click(d.screenOf(curve.pointAt(0)->x, curve.pointAt(0)->y));
    ASSERT_EQ(d.canvas->selection.point, curve.pointAt(0));

    // The controls are where the overlay draws them, whatever the zoom.
    d.canvas->onWheel(true);
    d.draw();
    PPointOverlay overlay(curve, 0, d.canvas->renderer.softView.device * curve.transform());
    d.options.spareByte = 0;
    d.click(overlay.controlBox(PHitKind::showRows).getCentre());
    EXPECT_EQ(d.options.spareByte, 1);
    d.click(overlay.controlBox(hitAfter(PHitKind::firstThickness, 3)).getCentre());
    EXPECT_EQ(curve.pointAt(0)->thickness, 75);
    d.click(overlay.controlBox(PHitKind::firstSharpness).getCentre());
    EXPECT_EQ(curve.pointAt(0)->sharpness, 0);
    EXPECT_EQ(d.world.undoList.size(), 2);

    // Halfway along the bottom edge a press makes a point that the drag then moves: two steps.
    const auto onEdge = d.screenOf(0, -4);
    d.drag(onEdge, d.screenOf(0, -5));
    ASSERT_EQ(curve.points.size(), 5);
    EXPECT_NEAR(curve.pointAt(1)->x, 0, 0.05);
    EXPECT_NEAR(curve.pointAt(1)->y, -5, 0.05);
    EXPECT_EQ(d.world.undoList.size(), 4);

    PPointOverlay moved(curve, 1, d.canvas->renderer.softView.device * curve.transform());
    d.click(moved.controlBox(PHitKind::removeControl).getCentre());
    EXPECT_EQ(curve.points.size(), 4);
}

TEST(CanvasLayers, ShapesMoveInTheirPanelsCoordinatesAndNewOnesLandAtTheCentre)
{
    LayerDesk d;
    ASSERT_EQ(d.canvas->selection.sidePane, PPaneKind::layers);
    auto& curve = *d.layer->shapes.get<PCurve>(0);
    const auto inside = d.screenOf(3 + 2 * 0.5f, -2 * 0.5f); // the curve's (0.5, -0.5) on the page
    d.click(inside);
    ASSERT_EQ(d.canvas->selection.shape, &curve);
    d.drag(inside, d.screenOf(3 + 2 * 0.5f + 2, -2 * 0.5f));
    EXPECT_NEAR(curve.x, 1, 0.02); // two page centimetres are one in the doubled panel

    // The wheel keeps the page point at the pane's centre, though the panel's fit is off the page centre.
    const auto centre = d.canvas->toPage(d.canvas->getWidth() / 2.0f, d.canvas->getHeight() / 2.0f);
    d.canvas->onWheel(true);
    d.draw();
    const auto zoomed = d.canvas->toPage(d.canvas->getWidth() / 2.0f, d.canvas->getHeight() / 2.0f);
    EXPECT_NEAR(zoomed.x, centre.x, 0.01);
    EXPECT_NEAR(zoomed.y, centre.y, 0.01);

    d.canvas->commands.addText();
    ASSERT_EQ(d.layer->shapes.size(), 2);
    EXPECT_NEAR(d.layer->shapes.get<PShape>(1)->x, (centre.x - 3) / 2, 0.02);
}

TEST(CanvasDeform, AHandleDragMovesTheTargetGridOrBothAsOneStep)
{
    CanvasDesk d;
    auto* decor = new PDecor();
    decor->contentForEdit().children.append(
        exportsample::curve({{-2, -2}, {2, -2}, {2, 2}, {-2, 2}}, true, 0xFF000000, 0xFF0000FF));
    d.comic->decor.append(decor);
    d.world.context.startChain(d.comic, PPaneKind::decor);
    d.world.editMode = PEditMode::deform;
    d.canvas->readSelection();
    d.draw();
    ASSERT_EQ(d.canvas->selection.shape, decor->content.get());
    PRect raw;
    decor->content->getBounds(raw, true);
    const auto corner = d.screenOf(raw.left, raw.top); // handle 0 at rest
    d.drag(corner, d.screenOf(raw.left - 1, raw.top));
    EXPECT_NEAR(decor->content->gridTo[0].x, -1, 0.05);
    EXPECT_EQ(decor->content->gridFrom[0].x, 0);
    ASSERT_EQ(d.world.undoList.size(), 1);

    d.world.editMode = PEditMode::deformBoth;
    d.canvas->readSelection();
    d.draw();
    const auto moved = d.screenOf(raw.left - 1, raw.top);
    d.drag(moved, d.screenOf(raw.left - 2, raw.top));
    EXPECT_NEAR(decor->content->gridFrom[0].x, -2, 0.05);
    EXPECT_NEAR(decor->content->gridTo[0].x, -2, 0.05);
    d.world.undo();
    EXPECT_NEAR(decor->content->gridTo[0].x, -1, 0.05);
}
