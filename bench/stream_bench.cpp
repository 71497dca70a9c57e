// Save and load speed of a comic file: the stream must keep pace with a large comic.

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include "model/comic.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/point.h"

namespace
{
juce::File makeComicFile(int pages)
{
    auto file = juce::File::getSpecialLocation(juce::File::tempDirectory).getChildFile("plumet_bench.plm");
    PComic comic;
    comic.path = file.getFullPathName();
    for (int p = 0; p < pages; ++p)
    {
        auto* page = new PPage();
        page->name.assign("Page " + juce::String(p));
        comic.pages.append(page);
    }
    (void) comic.save();
    return file;
}

void saveComic(benchmark::State& state)
{
    PComic comic;
    comic.path = juce::File::getSpecialLocation(juce::File::tempDirectory)
                     .getChildFile("plumet_bench_save.plm")
                     .getFullPathName();
    for (int p = 0; p < state.range(0); ++p)
        comic.pages.append(new PPage());
    for (auto _ : state)
        benchmark::DoNotOptimize(comic.save());
    juce::File(comic.path).deleteFile();
}

void loadComic(benchmark::State& state)
{
    const auto file = makeComicFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        PComic comic;
        benchmark::DoNotOptimize(comic.load(file.getFullPathName()));
    }
    file.deleteFile();
}
} // namespace

BENCHMARK(saveComic)->Arg(10)->Arg(1000);
BENCHMARK(loadComic)->Arg(10)->Arg(1000);

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
