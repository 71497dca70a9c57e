// The canvas on the busy page in a 1920 x 1080 pane, software view: a frame drawn from scratch
// (after any change to the document), a frame over the kept picture of the page (the overlay,
// the band), a frame while one curve is dragged, and the press that picks a curve.

#include <benchmark/benchmark.h>

#include "busypage.h"
#include "edit/world.h"
#include "model/option.h"
#include "ui/canvas2.h"

namespace
{
using namespace busypage;

/** The busy page open in the Layers pane of a canvas of screen size, with one frame drawn. */
struct CanvasOnBusyPage
{
    POption options;
    PWorld world;
    BusyPage busy;
    PPane root{80, 45, &options};
    PCanvas2* canvas = new PCanvas2(&root, 0, 0, -1, -1);
    juce::Image screen{juce::Image::RGB, screenWidth, screenHeight, true};
    juce::Graphics g{screen};

    CanvasOnBusyPage()
    {
        canvas->getComponent()->setSize(screenWidth, screenHeight);
        world.options = &options;
        world.context.startChain(&busy.comic, PContext::layerMode);
        world.editMode = PCanvas2::shapeMode;
        canvas->setWorld(&world);
        // The panel the view fits is measured as drawn from the second frame on.
        canvas->paint(g);
        canvas->paint(g);
    }
    ~CanvasOnBusyPage() { world.context.clear(); }

    /** The screen position of the first anchor of curve i. */
    juce::Point<float> onCurve(int i)
    {
        const auto* curve = busy.page->panels.get<PPanel>(0)->layerAt(0)->shapes.get<PCurve>(i);
        return canvas->toScreen(curve->pointAt(0)->x, curve->pointAt(0)->y);
    }
};

void canvasFrameFromScratch(benchmark::State& state)
{
    CanvasOnBusyPage c;
    for (auto _ : state)
    {
        c.canvas->pictureValid = false;
        c.canvas->paint(c.g);
    }
}

void canvasFrameOverKeptPage(benchmark::State& state)
{
    CanvasOnBusyPage c;
    for (auto _ : state)
        c.canvas->paint(c.g);
}

void canvasDragFrame(benchmark::State& state)
{
    CanvasOnBusyPage c;
    const auto at = c.onCurve(500);
    c.canvas->onMouseDown(at.x, at.y);
    c.canvas->onMouseUp(at.x, at.y);
    if (c.canvas->shape == nullptr)
        state.SkipWithError("no curve picked");
    c.canvas->onMouseDown(at.x, at.y);
    float step = 0;
    for (auto _ : state)
    {
        step = step > 100 ? 0 : step + 1;
        c.canvas->onMouseDrag(at.x + step, at.y);
        c.canvas->paint(c.g);
    }
    c.canvas->onMouseUp(at.x, at.y);
}

void canvasPick(benchmark::State& state)
{
    CanvasOnBusyPage c;
    const auto at = c.onCurve(500);
    for (auto _ : state)
    {
        c.canvas->onMouseDown(at.x, at.y);
        c.canvas->onMouseUp(at.x, at.y);
    }
}
} // namespace

BENCHMARK(canvasFrameFromScratch)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasFrameOverKeptPage)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasDragFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasPick)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    // The panes are components: the library's GUI side must be up, though nothing is shown.
    const juce::ScopedJuceInitialiser_GUI library;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
