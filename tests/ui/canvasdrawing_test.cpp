// Draw mode: press, draw and release makes one new shape as one undo step, selected at once.

#include <gtest/gtest.h>

#include <cmath>

#include "model/brush.h"
#include "model/decor.h"
#include "model/group.h"
#include "support/canvasdesk.h"

namespace
{
/** Drives a stroke through the canvas with a clock that advances msPerSample per sample. */
void stroke(CanvasDesk& d, const std::vector<juce::Point<float>>& path, double msPerSample = 8)
{
    double time = 0;
    d.canvas->drawing.clock = [&time] { return time; };
    d.canvas->drawing.pressure = [] { return -1.0f; };
    d.canvas->onMouseDown(path.front().x, path.front().y);
    for (size_t i = 1; i + 1 < path.size(); ++i)
    {
        time += msPerSample;
        d.canvas->onMouseDrag(path[i].x, path[i].y);
    }
    time += msPerSample;
    d.canvas->onMouseUp(path.back().x, path.back().y);
    d.draw();
}

std::vector<juce::Point<float>> circle(juce::Point<float> centre, float radius, int samples)
{
    std::vector<juce::Point<float>> path;
    for (int i = 0; i <= samples; ++i)
    {
        const double a = 2 * juce::MathConstants<double>::pi * i / samples;
        path.push_back(centre + juce::Point<float>(static_cast<float>(radius * std::cos(a)),
                                                   static_cast<float>(radius * std::sin(a))));
    }
    return path;
}

void enterDrawMode(CanvasDesk& d)
{
    d.world.editMode = PEditMode::draw;
    d.canvas->readSelection();
    d.draw();
}
} // namespace

TEST(CanvasDrawing, AStrokeOnALayerIsOneSelectedCurveThatUndoTakesAway)
{
    LayerDesk d;
    d.world.drawStyle.lineColour = 0xFF2A80A0;
    enterDrawMode(d);
    const auto before = d.bytes();
    const auto centre = d.screenOf(3, 0);

    // While the button is down the stroke shows over the page.
    d.canvas->drawing.clock = [] { return 0.0; };
    d.canvas->onMouseDown(centre.x - 40, centre.y);
    d.canvas->onMouseDrag(centre.x + 40, centre.y);
    EXPECT_EQ(d.canvas->renderer.frame, PCanvasRenderer::Frame::withStroke);
    d.draw();
    d.canvas->onMouseUp(centre.x + 40, centre.y);
    ASSERT_EQ(d.layer->shapes.size(), 2);
    d.world.undo();

    stroke(d, circle(centre, 60, 120));
    ASSERT_EQ(d.layer->shapes.size(), 2);
    auto* drawn = dynamic_cast<PCurve*>(d.layer->shapes.get<PBase>(1));
    ASSERT_NE(drawn, nullptr);
    EXPECT_TRUE(drawn->isClosed());
    EXPECT_LE(drawn->points.size(), 12);
    EXPECT_EQ(drawn->lineColour, 0xFF2A80A0u);
    EXPECT_EQ(d.canvas->selection.shape, drawn);
    EXPECT_EQ(d.world.context.target(PClass::shape), drawn);
    // Its points lie on the drawn circle, in the doubled panel's own units.
    PRect bounds;
    drawn->getBounds(bounds, false);
    const float radius = d.canvas->renderer.pixelsToPage(60) / 2;
    EXPECT_NEAR(bounds.right - bounds.left, 2 * radius, 0.05 * radius);

    ASSERT_EQ(d.world.undoList.size(), 1);
    EXPECT_TRUE(d.world.redoList.isEmpty()); // the stroke taken back before is gone for good
    PName name;
    d.world.undoName(name);
    EXPECT_EQ(name.toString(), "Action.Draw");
    d.world.undo();
    EXPECT_EQ(d.bytes(), before);
}

TEST(CanvasDrawing, AClickOrATinyWiggleAddsNothing)
{
    LayerDesk d;
    enterDrawMode(d);
    const auto at = d.screenOf(3, 0);
    d.click(at);
    stroke(d, {at, at + juce::Point<float>(1, 1), at + juce::Point<float>(2, 0)});
    EXPECT_EQ(d.layer->shapes.size(), 1);
    EXPECT_TRUE(d.world.undoList.isEmpty());
}

TEST(CanvasDrawing, InTheDecorAStrokeIsABrushLikeTheLastOneSetUp)
{
    CanvasDesk d;
    auto* decor = new PDecor();
    d.comic->decor.append(decor);
    d.world.context.startChain(d.comic, PPaneKind::decor);
    d.world.drawStyle.brush->kind = PBrushGenerator::area;
    d.world.drawStyle.brush->density = 0.8f;
    enterDrawMode(d);
    const auto at = d.screenOf(0, 0);
    stroke(d, {at, at + juce::Point<float>(30, 10), at + juce::Point<float>(60, 0), at + juce::Point<float>(90, 20)});
    ASSERT_NE(decor->content, nullptr);
    ASSERT_EQ(decor->content->children.size(), 1);
    auto* brush = dynamic_cast<PBrush*>(decor->content->children.get<PBase>(0));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(brush->kind, PBrushGenerator::area);
    EXPECT_FLOAT_EQ(brush->density, 0.8f);
    EXPECT_GE(brush->points.size(), 2);
}

TEST(CanvasDrawing, OnThePageADragSpansAPanelWithItsLayerAsOneStep)
{
    CanvasDesk d;
    enterDrawMode(d);
    const auto before = d.bytes();
    d.drag(d.screenOf(5, 5), d.screenOf(5, 5) + juce::Point<float>(6, 40)); // too narrow: a slip
    EXPECT_EQ(d.page().panels.size(), 3);

    d.options.snap = true;
    d.options.gridDivisions = 4; // snaps to whole centimetres
    d.drag(d.screenOf(5.1f, 4.9f), d.screenOf(8.9f, 9.2f));
    ASSERT_EQ(d.page().panels.size(), 4);
    auto& made = d.panel(3);
    EXPECT_EQ(made.layers.size(), 1);
    EXPECT_TRUE(made.isClosed());
    PRect bounds;
    made.getBounds(bounds, false);
    EXPECT_NEAR(bounds.left, 5, 1e-4);
    EXPECT_NEAR(bounds.right, 9, 1e-4);
    EXPECT_EQ(std::min(bounds.top, bounds.bottom), 5);
    EXPECT_EQ(std::max(bounds.top, bounds.bottom), 9);
    EXPECT_EQ(d.canvas->selection.shape, &made);
    ASSERT_EQ(d.world.undoList.size(), 1);
    d.world.undo();
    EXPECT_EQ(d.bytes(), before);
}
