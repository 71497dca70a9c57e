// Drawing a busy page: the raster export at print resolutions and one frame of the canvas with
// every curve's geometry already cached, which is what each repaint while editing costs.

#include <benchmark/benchmark.h>

#include <cmath>

#include "draw/rasterexport.h"
#include "draw/view2gui.h"
#include "model/comic.h"
#include "model/curve.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"

namespace
{
constexpr int curveCount = 1000;
constexpr float pageWidth = 21.0f, pageHeight = 29.7f;
constexpr int screenWidth = 1920, screenHeight = 1080;

/** A small wavy curve somewhere on the page: every third closed and filled, every other one tapering. */
PCurve* makeCurve(int i)
{
    auto* curve = new PCurve();
    const float cx = std::fmod(i * 7.3f, pageWidth - 2) - pageWidth / 2 + 1;
    const float cy = std::fmod(i * 3.1f, pageHeight - 2) - pageHeight / 2 + 1;
    for (int k = 0; k < 6; ++k)
    {
        auto* p = new PPoint(cx + 0.3f * k, cy + 0.4f * std::sin(static_cast<float>(i + k)));
        p->thickness = static_cast<uint16_t>(i % 2 == 0 ? 50 : 30 + 20 * k);
        curve->points.append(p);
    }
    curve->setClosed(i % 3 == 0);
    curve->fillColour = 0xFF000000u | static_cast<uint32_t>((i * 37) % 256) << 16 | 0xA080u;
    return curve;
}

struct BusyPage
{
    BusyPage()
    {
        page = new PPage();
        page->width = pageWidth;
        page->height = pageHeight;
        auto* panel = new PPanel();
        for (const auto& [x, y] : {std::pair{-10.0f, -14.0f}, {10.0f, -14.0f}, {10.0f, 14.0f}, {-10.0f, 14.0f}})
            panel->points.append(new PPoint(x, y));
        panel->setClosed(true);
        auto* layer = new PLayer();
        for (int i = 0; i < curveCount; ++i)
            layer->shapes.append(makeCurve(i));
        panel->layers.append(layer);
        panel->adoptLayers();
        page->panels.append(panel);
        comic.pages.append(page);
    }

    PComic comic;
    PPage* page = nullptr;
};

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
