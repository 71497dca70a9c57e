// Fitting a freehand stroke happens as the pen lifts, so even a long stroke must fit well within
// one frame: 2000 samples of a wiggly stroke in under 2 ms. The counters show what the fit
// produces: anchors per 100 px of stroke, and how far the curve strays from the farthest sample.

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "edit/strokefit.h"

namespace
{
constexpr double sampleStep = 0.75; // px between samples along x
constexpr double msPerSample = 1.0;
constexpr double pxPer100 = 100.0;

/** A slow swing with a quicker wiggle on it, optionally with pointer jitter. */
std::vector<PStrokeFit::Sample> wigglyStroke(int count, double jitter)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> noise(-jitter, jitter);
    std::vector<PStrokeFit::Sample> samples;
    for (int i = 0; i < count; ++i)
    {
        const double x = i * sampleStep, y = 60 * std::sin(i * 0.004) + 8 * std::sin(i * 0.037);
        samples.push_back(
            {static_cast<float>(x + noise(random)), static_cast<float>(y + noise(random)), i * msPerSample});
    }
    return samples;
}

double strokeLength(const std::vector<PStrokeFit::Sample>& samples)
{
    double length = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        length += std::hypot(samples[i].x - samples[i - 1].x, samples[i].y - samples[i - 1].y);
    return length;
}

void fitStroke(benchmark::State& state)
{
    const auto samples = wigglyStroke(static_cast<int>(state.range(0)), state.range(1) / 10.0);
    PStrokeFit::Result result;
    for (auto _ : state)
    {
        result = PStrokeFit::fit(samples, {});
        benchmark::DoNotOptimize(result);
    }
    state.counters["anchorsPer100px"] = result.anchors.size() * pxPer100 / strokeLength(samples);
    state.counters["largestDeviation"] = result.largestDeviation;
}
} // namespace

// Samples, then jitter in tenths of a pixel.
BENCHMARK(fitStroke)->ArgsProduct({{200, 2000}, {0, 3}})->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
