// Drawing a busy page: the raster export at print resolutions and one frame of the canvas with
// every curve's geometry already cached, which is what each repaint while editing costs.

#include <benchmark/benchmark.h>

#include "busypage.h"
#include "draw/rasterexport.h"
#include "draw/view2gui.h"

namespace
{
using namespace busypage;

void exportPng(benchmark::State& state)
{
    BusyPage busy;
    const juce::File file = juce::File::getSpecialLocation(juce::File::tempDirectory)
                                .getChildFile("plumet-render-bench-" + juce::Uuid().toString() + ".png");
    for (auto _ : state)
        if (!PRasterExport::exportPage(busy.comic, *busy.page, file, static_cast<int>(state.range(0))).ok())
            state.SkipWithError("export failed");
    state.counters["bytes"] = static_cast<double>(file.getSize());
    file.deleteFile();
}

void screenFrame(benchmark::State& state)
{
    BusyPage busy;
    juce::Image screen(juce::Image::ARGB, screenWidth, screenHeight, true);
    juce::Graphics g(screen);
    PView2gui view;
    view.setTarget(&g);
    view.setBackBuffered(true);
    view.fitSource = busy.page;
    view.dpi = 100;
    view.setViewport(0, 0, screenWidth, screenHeight, 0, 0, 1);
    view.clear();
    view.drawPage(*busy.page); // builds every cache
    view.endFrame();
    for (auto _ : state)
    {
        view.clear();
        view.drawPage(*busy.page);
        view.endFrame();
    }
}
} // namespace

BENCHMARK(exportPng)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(screenFrame)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
