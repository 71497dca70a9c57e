// Raster export of the 24-page comic of largecomic.h: every page to PNG at 300 dpi on all cores
// against one page after another in the same process, and the peak memory of one A4 page at
// 900 dpi drawn and encoded in strips.
//
// The comparisons as whole processes, against one plumet-cli per page and against rsvg-convert,
// need the comic as a file and page 1 as SVG:
//
//   plumet_raster_bench --write-comic DIR      writes DIR/large.plm and DIR/page01.svg, then ends

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <fstream>
#include <iostream>
#include <string>

#include "draw/pagestrips.h"
#include "draw/rasterexport.h"
#include "draw/vectorexport.h"
#include "largecomic.h"
#include "processmemory.h"

namespace
{
constexpr int batchDpi = 300, printDpi = 900;

struct Fixture
{
    Fixture() { largecomic::fill(comic); }
    ~Fixture() { folder.deleteRecursively(); }

    juce::File pageFile(int index) const { return folder.getChildFile("p" + juce::String(index + 1) + ".png"); }

    juce::File folder = juce::File::createTempFile("raster-bench");
    PComic comic;
    bool made = folder.createDirectory().wasOk();
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

/** Every page into its own PNG file, drawn on all cores, as plumet-cli --page all does. */
void allPagesOnAllCores(benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
    {
        int written = 0;
        if (!PRasterExport::exportPages(
                 f.comic, 0, f.comic.pages.size() - 1, [&f](int i) { return f.pageFile(i); }, batchDpi, written)
                 .ok())
            state.SkipWithError("a page could not be written");
    }
}

/** The same files, one page after another. */
void onePageAfterAnother(benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
        for (int i = 0; i < f.comic.pages.size(); ++i)
            if (!PRasterExport::exportPage(f.comic, *f.comic.pages.get<PPage>(i), f.pageFile(i), batchDpi).ok())
                state.SkipWithError("a page could not be written");
}

/** Page 1, A4 at 900 dpi (7441 x 10524 pixels), to a PNG file. The counters: the process's peak
    resident memory during the export, and how far it grew over what the process held before
    (the comic, the library). Linux resets the peak (VmHWM) when 5 is written to clear_refs. */
void printPagePeakMemory(benchmark::State& state)
{
    auto& f = fixture();
    long peak = 0, growth = 0;
    for (auto _ : state)
    {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = statusKilobytes("VmRSS");
        if (!PRasterExport::exportPage(f.comic, *f.comic.pages.get<PPage>(0), f.pageFile(0), printDpi).ok())
            state.SkipWithError("the page could not be written");
        peak = statusKilobytes("VmHWM");
        growth = peak - before;
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
    state.counters["growth_MB"] = static_cast<double>(growth) / 1024.0;
}

int writeComic(const juce::File& folder)
{
    auto& f = fixture();
    f.comic.path = folder.getChildFile("large.plm").getFullPathName();
    if (!folder.createDirectory().wasOk() || !f.comic.save().ok() ||
        !PVectorExport::exportSvg(*f.comic.pages.get<PPage>(0), folder.getChildFile("page01.svg")).ok())
    {
        std::cerr << "cannot write the comic into " << folder.getFullPathName() << "\n";
        return 1;
    }
    return 0;
}
} // namespace

BENCHMARK(allPagesOnAllCores)
    ->Name("24 pages to PNG at 300 dpi, all cores")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(onePageAfterAnother)
    ->Name("24 pages to PNG at 300 dpi, one after another")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(printPagePeakMemory)->Name("A4 page to PNG at 900 dpi")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    if (argc == 3 && std::string(argv[1]) == "--write-comic")
        return writeComic(juce::File::getCurrentWorkingDirectory().getChildFile(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
