// The canvas driven headless, through its handlers: every gesture is one undo step, and a click
// that does not move changes nothing.

#include <gtest/gtest.h>

#include "app/command.h"
#include "edit/world.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/option.h"
#include "support/exportsample.h"
#include "support/testfiles.h"
#include "ui/canvas2.h"
#include "ui/pointoverlay.h"

namespace
{
/** A comic of one page holding three overlapping panels, open on a canvas in shape mode. */
struct CanvasDesk
{
    TempFolder tmp;
    POption options;
    PWorld world;
    PComic* comic = new PComic();
    PPane root{40, 30, &options};
    PCanvas2* canvas = new PCanvas2(&root, 0, 0, -1, -1);

    CanvasDesk()
    {
        exportsample::emptyComic(*comic, 1, 20, 20);
        for (float shift : {0.0f, 1.0f, 2.0f})
            page().panels.append(exportsample::panel(-4 + shift, -4, 4 + shift, 4, 0xFF0000FF));
        comic->path = tmp.path("c.plm");
        world.comics.append(comic);
        world.options = &options;
        world.context.startChain(comic, PContext::pageMode);
        world.editMode = PCanvas2::shapeMode;
        canvas->setWorld(&world);
        draw();
    }
    ~CanvasDesk() { world.context.clear(); }

    PPage& page() { return *comic->pages.get<PPage>(0); }
    PPanel& panel(int i) { return *page().panels.get<PPanel>(i); }

    /** One frame, so that geometry and the page-to-screen mapping are those the user sees. */
    void draw()
    {
        juce::Image picture(juce::Image::RGB, canvas->getWidth(), canvas->getHeight(), true);
        juce::Graphics g(picture);
        canvas->paint(g);
    }
    /** Where a page point is on the screen in the last frame drawn. */
    juce::Point<float> screenOf(float px, float py) { return canvas->toScreen(px, py); }
    void click(juce::Point<float> at)
    {
        canvas->onMouseDown(at.x, at.y);
        canvas->onMouseUp(at.x, at.y);
        draw();
    }
    void drag(juce::Point<float> from, juce::Point<float> to)
    {
        canvas->onMouseDown(from.x, from.y);
        canvas->onMouseDrag((from.x + to.x) / 2, (from.y + to.y) / 2);
        canvas->onMouseDrag(to.x, to.y);
        canvas->onMouseUp(to.x, to.y);
        draw();
    }
    std::vector<uint8_t> bytes()
    {
        EXPECT_TRUE(comic->save().ok());
        return bytesOf(inflateFile(juce::File(comic->path)));
    }
};
} // namespace

TEST(CanvasPick, RepeatedClicksStepThroughOverlappingPanels)
{
    CanvasDesk d;
    const auto spot = d.screenOf(0.5f, 0);
    std::vector<PShape*> picked;
    for (int i = 0; i < 4; ++i)
    {
        d.click(spot);
        picked.push_back(d.canvas->shape);
    }
    EXPECT_EQ(picked[0], &d.panel(0));
    EXPECT_EQ(picked[1], &d.panel(1));
    EXPECT_EQ(picked[2], &d.panel(2));
    EXPECT_EQ(picked[3], &d.panel(2)); // the round starts again from the last
    EXPECT_EQ(d.world.context.target(PClass::panel), picked[3]);
    d.click(d.screenOf(9, 9)); // nothing there
    EXPECT_EQ(d.canvas->shape, nullptr);
}

TEST(CanvasGesture, ClickWithoutMovementChangesNothingAndADragIsOneUndoStep)
{
    CanvasDesk d;
    const auto body = d.screenOf(-3.5f, -3); // on the first panel only
    d.click(body);
    ASSERT_EQ(d.canvas->shape, &d.panel(0));
    const auto before = d.bytes();
    d.click(body);
    EXPECT_EQ(d.bytes(), before);
    EXPECT_TRUE(d.world.undoList.isEmpty());

    const auto to = d.screenOf(-1.5f, -3);
    d.drag(body, to);
    ASSERT_EQ(d.world.undoList.size(), 1);
    EXPECT_NEAR(d.panel(0).x, 2, 0.05);
    d.world.undo();
    EXPECT_EQ(d.bytes(), before);
    d.world.redo();
    EXPECT_NEAR(d.panel(0).x, 2, 0.05);
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

TEST(CanvasKeys, IgnoredWhileAButtonIsDownDeleteRemovesThePanelOrThePoint)
{
    CanvasDesk d;
    const auto body = d.screenOf(-3.5f, -3);
    d.click(body);
    d.canvas->onMouseDown(body.x, body.y);
    d.canvas->onCommand(d.canvas, 5);
    EXPECT_EQ(d.page().panels.size(), 3);
    d.canvas->onMouseUp(body.x, body.y);
    d.canvas->onCommand(d.canvas, 5);
    EXPECT_EQ(d.page().panels.size(), 2);
    EXPECT_EQ(d.world.undoList.size(), 1);

    d.world.editMode = PCanvas2::pointMode;
    d.click(d.screenOf(-2, -3.5f));
    ASSERT_NE(d.canvas->shape, nullptr);
    auto& curve = static_cast<PCurve&>(*d.canvas->shape);
    const auto corner = d.screenOf(curve.pointAt(0)->x, curve.pointAt(0)->y);
    d.click(corner);
    ASSERT_NE(d.canvas->point, nullptr);
    d.canvas->onCommand(d.canvas, 5);
    EXPECT_EQ(curve.points.size(), 3);
    EXPECT_EQ(d.world.undoList.size(), 2);
}

TEST(CanvasPointOverlay, ButtonsSetTheSelectedPointAndASegmentPressInsertsOne)
{
    CanvasDesk d;
    d.world.editMode = PCanvas2::pointMode;
    d.click(d.screenOf(-3.5f, -3));
    auto& curve = static_cast<PCurve&>(*d.canvas->shape);
    d.click(d.screenOf(curve.pointAt(0)->x, curve.pointAt(0)->y));
    ASSERT_EQ(d.canvas->point, curve.pointAt(0));

    // The controls are where the overlay draws them, whatever the zoom.
    d.canvas->onWheel(true);
    d.draw();
    PPointOverlay overlay(curve, 0, d.canvas->softView.device * curve.transform());
    d.options.spareByte = 0;
    d.click(overlay.controlBox(PPointOverlay::showRows).getCentre());
    EXPECT_EQ(d.options.spareByte, 1);
    d.click(overlay.controlBox(PPointOverlay::firstThickness + 3).getCentre());
    EXPECT_EQ(curve.pointAt(0)->thickness, 75);
    d.click(overlay.controlBox(PPointOverlay::firstSharpness).getCentre());
    EXPECT_EQ(curve.pointAt(0)->sharpness, 0);
    EXPECT_EQ(d.world.undoList.size(), 2);

    // Halfway along the bottom edge a press makes a point that the drag then moves: two steps.
    const auto onEdge = d.screenOf(0, -4);
    d.drag(onEdge, d.screenOf(0, -5));
    ASSERT_EQ(curve.points.size(), 5);
    EXPECT_NEAR(curve.pointAt(1)->x, 0, 0.05);
    EXPECT_NEAR(curve.pointAt(1)->y, -5, 0.05);
    EXPECT_EQ(d.world.undoList.size(), 4);

    PPointOverlay moved(curve, 1, d.canvas->softView.device * curve.transform());
    d.click(moved.controlBox(PPointOverlay::removeControl).getCentre());
    EXPECT_EQ(curve.points.size(), 4);
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

    d.world.editMode = PCanvas2::pointMode;
    d.canvas->onMenu(PCommand::raise);
    EXPECT_EQ(d.world.editMode, PCanvas2::shapeMode);
}

TEST(CanvasAdd, APanelComesWithItsLayerAndAttachmentAsOneStep)
{
    CanvasDesk d;
    d.canvas->addPanel();
    ASSERT_EQ(d.page().panels.size(), 4);
    EXPECT_EQ(d.panel(3).layers.size(), 1);
    EXPECT_NE(d.panel(3).attachment, nullptr);
    ASSERT_EQ(d.world.undoList.size(), 1);
    d.world.undo();
    EXPECT_EQ(d.page().panels.size(), 3);
    // Curves, texts and images go into layers, never straight onto the page.
    d.canvas->addCurve();
    EXPECT_EQ(d.page().panels.size(), 3);
}

namespace
{
/** One panel, moved and doubled in size, whose layer holds a curve; the canvas shows that layer. */
struct LayerDesk : CanvasDesk
{
    PLayer* layer = nullptr;

    LayerDesk()
    {
        world.context.clear();
        page().panels.deleteAll();
        auto* frame = exportsample::panel(-5, -4, 5, 4, 0xFF0000FF);
        frame->x = 3, frame->scaleX = frame->scaleY = 2;
        page().panels.append(frame);
        layer = exportsample::layer(*frame, 0, 0);
        layer->shapes.append(exportsample::curve({{-1, -1}, {1, -1}, {1, 1}}, true, 0xFF000000, 0xFF0000FF));
        world.context.startChain(comic, PContext::layerMode);
        canvas->readSelection();
        draw();
    }
};
} // namespace

TEST(CanvasLayers, ShapesMoveInTheirPanelsCoordinatesAndNewOnesLandAtTheCentre)
{
    LayerDesk d;
    ASSERT_EQ(d.canvas->sidePane, PContext::layerMode);
    auto& curve = *d.layer->shapes.get<PCurve>(0);
    const auto inside = d.screenOf(3 + 2 * 0.5f, -2 * 0.5f); // the curve's (0.5, -0.5) on the page
    d.click(inside);
    ASSERT_EQ(d.canvas->shape, &curve);
    d.drag(inside, d.screenOf(3 + 2 * 0.5f + 2, -2 * 0.5f));
    EXPECT_NEAR(curve.x, 1, 0.02); // two page centimetres are one in the doubled panel

    // The wheel keeps the page point at the pane's centre, though the panel's fit is off the page centre.
    const auto centre = d.canvas->toPage(d.canvas->getWidth() / 2.0f, d.canvas->getHeight() / 2.0f);
    d.canvas->onWheel(true);
    d.draw();
    const auto zoomed = d.canvas->toPage(d.canvas->getWidth() / 2.0f, d.canvas->getHeight() / 2.0f);
    EXPECT_NEAR(zoomed.x, centre.x, 0.01);
    EXPECT_NEAR(zoomed.y, centre.y, 0.01);

    d.canvas->addText();
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
    d.world.context.startChain(d.comic, PContext::decorMode);
    d.world.editMode = PCanvas2::deformMode;
    d.canvas->readSelection();
    d.draw();
    ASSERT_EQ(d.canvas->shape, decor->content.get());
    PRect raw;
    decor->content->getBounds(raw, true);
    const auto corner = d.screenOf(raw.left, raw.top); // handle 0 at rest
    d.drag(corner, d.screenOf(raw.left - 1, raw.top));
    EXPECT_NEAR(decor->content->gridTo[0].x, -1, 0.05);
    EXPECT_EQ(decor->content->gridFrom[0].x, 0);
    ASSERT_EQ(d.world.undoList.size(), 1);

    d.world.editMode = PCanvas2::deformBothMode;
    d.canvas->readSelection();
    d.draw();
    const auto moved = d.screenOf(raw.left - 1, raw.top);
    d.drag(moved, d.screenOf(raw.left - 2, raw.top));
    EXPECT_NEAR(decor->content->gridFrom[0].x, -2, 0.05);
    EXPECT_NEAR(decor->content->gridTo[0].x, -2, 0.05);
    d.world.undo();
    EXPECT_NEAR(decor->content->gridTo[0].x, -1, 0.05);
}

TEST(CanvasPicture, ADragFrameOverTheKeptPictureEqualsAFullFrame)
{
    CanvasDesk d;
    const auto top = d.screenOf(5.5f, 3); // only the last, topmost panel is there
    d.click(top);
    ASSERT_EQ(d.canvas->shape, &d.panel(2));
    auto frame = [&d]
    {
        juce::Image picture(juce::Image::RGB, d.canvas->getWidth(), d.canvas->getHeight(), true);
        juce::Graphics g(picture);
        d.canvas->paint(g);
        return picture;
    };
    d.canvas->onMouseDown(top.x, top.y);
    d.canvas->onMouseDrag(top.x - 40, top.y + 25);
    const auto dragged = frame();
    EXPECT_LT(d.panel(2).x, -0.5f);
    d.canvas->pictureValid = false;
    d.canvas->buttonDown = false; // the same state drawn in one piece
    const auto whole = frame();
    int differing = 0;
    for (int y = 0; y < whole.getHeight(); ++y)
        for (int x = 0; x < whole.getWidth(); ++x)
            differing += dragged.getPixelAt(x, y) != whole.getPixelAt(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
    d.canvas->buttonDown = true;
    d.canvas->onMouseUp(top.x - 40, top.y + 25);
    EXPECT_EQ(d.world.undoList.size(), 1);
}
