// The large comic's save, load, geometry and brush generation, each beside the physical floor
// where one exists: zlib alone compressing or inflating the same uncompressed stream.

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include <malloc.h>

#include <fstream>
#include <string>

#include "draw/view2.h"
#include "largecomic.h"
#include "processmemory.h"

namespace
{
juce::File scratch(const char* name)
{
    return juce::File::getSpecialLocation(juce::File::tempDirectory).getChildFile(name);
}

/** The large comic saved once; its compressed and uncompressed bytes. */
struct SavedComic
{
    juce::File file = scratch("plumet_bench_large.plm");
    juce::MemoryBlock compressed, raw;

    SavedComic()
    {
        PComic comic;
        largecomic::fill(comic);
        comic.path = file.getFullPathName();
        (void) comic.save();
        file.loadFileAsData(compressed);
        juce::MemoryInputStream in(compressed, false);
        juce::GZIPDecompressorInputStream zip(&in, false, juce::GZIPDecompressorInputStream::zlibFormat);
        juce::MemoryOutputStream out(raw, false);
        out.writeFromInputStream(zip, -1);
    }
    ~SavedComic() { file.deleteFile(); }
};

const SavedComic& saved()
{
    static SavedComic once;
    return once;
}

void bytesCounter(benchmark::State& state)
{
    state.counters["raw_bytes"] = static_cast<double>(saved().raw.getSize());
    state.counters["file_bytes"] = static_cast<double>(saved().compressed.getSize());
}

void saveLargeComic(benchmark::State& state)
{
    PComic comic;
    largecomic::fill(comic);
    comic.path = scratch("plumet_bench_save.plm").getFullPathName();
    for (auto _ : state)
        benchmark::DoNotOptimize(comic.save());
    juce::File(comic.path).deleteFile();
    bytesCounter(state);
}

void zlibCompressSameBytes(benchmark::State& state)
{
    const auto& raw = saved().raw;
    for (auto _ : state)
    {
        juce::MemoryOutputStream out;
        {
            juce::GZIPCompressorOutputStream zip(out);
            zip.write(raw.getData(), raw.getSize());
        }
        benchmark::DoNotOptimize(out.getDataSize());
    }
    bytesCounter(state);
}

void loadLargeComic(benchmark::State& state)
{
    const auto path = saved().file.getFullPathName();
    for (auto _ : state)
    {
        auto comic = std::make_unique<PComic>();
        benchmark::DoNotOptimize(comic->load(path));
        // Freeing the comic is not part of loading it.
        state.PauseTiming();
        comic.reset();
        state.ResumeTiming();
    }
    bytesCounter(state);
}

void zlibInflateSameBytes(benchmark::State& state)
{
    const auto& compressed = saved().compressed;
    for (auto _ : state)
    {
        juce::MemoryInputStream in(compressed, false);
        juce::GZIPDecompressorInputStream zip(&in, false, juce::GZIPDecompressorInputStream::zlibFormat);
        juce::MemoryOutputStream out;
        out.writeFromInputStream(zip, -1);
        benchmark::DoNotOptimize(out.getDataSize());
    }
    bytesCounter(state);
}

/** Peak resident memory while loading, over the uncompressed stream size. Linux resets the
    peak (VmHWM) when 5 is written to clear_refs. */
void loadPeakMemory(benchmark::State& state)
{
    const auto path = saved().file.getFullPathName();
    double ratio = 0;
    for (auto _ : state)
    {
        // Freed heap pages would hide the growth: hand them back first.
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = statusKilobytes("VmRSS");
        {
            PComic comic;
            benchmark::DoNotOptimize(comic.load(path));
            ratio = static_cast<double>(statusKilobytes("VmHWM") - before) * 1024.0 /
                    static_cast<double>(saved().raw.getSize());
        }
    }
    state.counters["peak_over_raw"] = ratio;
    bytesCounter(state);
}

void forEachShape(PComic& comic, const std::function<void(PShape&)>& visit)
{
    for (int p = 0; p < comic.pages.size(); ++p)
    {
        auto* page = comic.pages.get<PPage>(p);
        for (int q = 0; q < page->panels.size(); ++q)
        {
            auto* panel = page->panels.get<PPanel>(q);
            visit(*panel);
            for (int l = 0; l < panel->layers.size(); ++l)
            {
                auto* layer = panel->layers.get<PLayer>(l);
                for (int s = 0; s < layer->shapes.size(); ++s)
                    visit(*layer->shapes.get<PShape>(s));
            }
        }
    }
}

/** Every shape's geometry from scratch, as after loading; brushes keep their strokes. */
void buildEveryShape(benchmark::State& state)
{
    PComic comic;
    largecomic::fill(comic);
    PView2 view;
    forEachShape(comic, [&](PShape& shape) { shape.build(view); });
    for (auto _ : state)
        forEachShape(comic,
                     [&](PShape& shape)
                     {
                         if (shape.classId() != PClass::brush)
                             shape.invalidate();
                         view.resetMatrices();
                         shape.build(view);
                     });
}

void generateEveryBrush(benchmark::State& state)
{
    PComic comic;
    largecomic::fill(comic);
    for (auto _ : state)
        forEachShape(comic,
                     [](PShape& shape)
                     {
                         if (shape.classId() == PClass::brush)
                             benchmark::DoNotOptimize(static_cast<PBrush&>(shape).generateStrokes());
                     });
}
} // namespace

BENCHMARK(saveLargeComic)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(zlibCompressSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(loadLargeComic)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(zlibInflateSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(loadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(buildEveryShape)->Unit(benchmark::kMillisecond);
BENCHMARK(generateEveryBrush)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
