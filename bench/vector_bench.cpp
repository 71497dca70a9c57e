// The vector exports beside the one common tool that does similar work: librsvg's rsvg-convert,
// timed in the same run turning our own SVG of the same page into a PNG of the size our raster
// export would make and into a PDF. Its times include starting the process, as a user pays them.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "draw/comicbookexport.h"
#include "draw/pagestrips.h"
#include "draw/rasterexport.h"
#include "draw/vectorexport.h"
#include "largecomic.h"

namespace
{
constexpr int pngDpi = 300;

/** The 24-page comic, and the SVG of each page in a temporary folder. */
struct Fixture
{
    Fixture()
    {
        largecomic::fill(comic);
        for (int i = 0; i < comic.pages.size(); ++i)
        {
            juce::File svg = folder.getChildFile("page" + juce::String(i + 1).paddedLeft('0', 2) + ".svg");
            (void) PVectorExport::exportSvg(*comic.pages.get<PPage>(i), svg);
            svgFiles += " '" + svg.getFullPathName() + "'";
        }
    }
    ~Fixture() { folder.deleteRecursively(); }

    PPage& firstPage() { return *comic.pages.get<PPage>(0); }
    juce::String firstSvg() const { return "'" + folder.getChildFile("page01.svg").getFullPathName() + "'"; }

    juce::File folder = juce::File::createTempFile("vector-bench");
    PComic comic;
    juce::String svgFiles;
    bool made = folder.createDirectory().wasOk();
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void runTool(benchmark::State& state, const juce::String& command)
{
    for (auto _ : state)
        if (std::system((command + " >/dev/null 2>&1").toRawUTF8()) != 0)
        {
            state.SkipWithError("rsvg-convert failed or is missing");
            return;
        }
}

/** The whole comic to PDF, compressed or plain; the file's size is the counter "bytes". */
void comicToPdf(benchmark::State& state, bool compressed)
{
    auto& f = fixture();
    PPdfSettings settings;
    settings.compressed = compressed;
    size_t bytes = 0;
    for (auto _ : state)
    {
        juce::MemoryOutputStream out;
        benchmark::DoNotOptimize(PVectorExport::writePdf(f.comic, nullptr, out, nullptr, settings));
        bytes = out.getDataSize();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

/** The whole comic as a comic book archive of PNG pages at 100 dpi, on disk as a user gets it. */
void comicToCbz(benchmark::State& state)
{
    auto& f = fixture();
    const auto file = f.folder.getChildFile("comic.cbz");
    for (auto _ : state)
        if (!PComicBookExport::exportComic(f.comic, file, {}).ok())
        {
            state.SkipWithError("the archive could not be written");
            return;
        }
    state.counters["bytes"] = static_cast<double>(file.getSize());
}

void pageToPdf(benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
    {
        juce::MemoryOutputStream out;
        benchmark::DoNotOptimize(PVectorExport::writePdf(f.comic, &f.firstPage(), out));
    }
}

void pageToSvg(benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
    {
        juce::MemoryOutputStream out;
        benchmark::DoNotOptimize(PVectorExport::writeSvg(f.firstPage(), out));
    }
}

/** Rendering and encoding in strips, as the export does, into memory like the writers above;
    rsvg-convert writes to /dev/null. */
void pageToPng(benchmark::State& state)
{
    auto& f = fixture();
    PRasterRequest request;
    request.dpi = pngDpi;
    for (auto _ : state)
    {
        juce::MemoryOutputStream out;
        benchmark::DoNotOptimize(PPageStrips::write(f.firstPage(), request, out));
    }
}

void rsvgPageToPng(benchmark::State& state)
{
    auto& f = fixture();
    const int w = PRasterExport::pixelsFor(f.firstPage().width, pngDpi);
    const int h = PRasterExport::pixelsFor(f.firstPage().height, pngDpi);
    runTool(state,
            "rsvg-convert -b white -f png -w " + juce::String(w) + " -h " + juce::String(h) + " " + f.firstSvg());
}

void rsvgPageToPdf(benchmark::State& state)
{
    runTool(state, "rsvg-convert -f pdf " + fixture().firstSvg());
}

void rsvgComicToPdf(benchmark::State& state)
{
    const auto file = fixture().folder.getChildFile("rsvg.pdf");
    runTool(state, "rsvg-convert -f pdf -o '" + file.getFullPathName() + "'" + fixture().svgFiles);
    state.counters["bytes"] = static_cast<double>(file.getSize());
}
} // namespace

BENCHMARK_CAPTURE(comicToPdf, compressed, true)->Name("ours: 24-page comic to PDF")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(comicToPdf, plain, false)
    ->Name("ours: 24-page comic to uncompressed PDF")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(comicToCbz)->Name("ours: 24-page comic to CBZ, 100 dpi")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(rsvgComicToPdf)
    ->Name("rsvg-convert: our 24 SVG pages to one PDF")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(pageToPdf)->Name("ours: page 1 to PDF")->Unit(benchmark::kMillisecond);
BENCHMARK(pageToSvg)->Name("ours: page 1 to SVG")->Unit(benchmark::kMillisecond);
BENCHMARK(rsvgPageToPdf)->Name("rsvg-convert: our SVG of page 1 to PDF")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(pageToPng)->Name("ours: page 1 to PNG, 300 dpi")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(rsvgPageToPng)
    ->Name("rsvg-convert: our SVG of page 1 to PNG, 300 dpi")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
