// Stroke generation along a long guide: a brush regenerates after every edit, so all four
// kinds must keep up with interactive editing even on a guide that winds across a page.

#include <benchmark/benchmark.h>

#include <cmath>

#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/point.h"

namespace
{
constexpr float guideStep = 0.5f;
constexpr float waveHeight = 2.0f;
constexpr float patternSize = 1.0f;

/** A wavy guide of `anchors` points, with variants alternating between the pattern's tags. */
void makeGuide(PBrush& brush, int anchors)
{
    for (int i = 0; i < anchors; ++i)
    {
        auto* point = new PPoint(i * guideStep, waveHeight * std::sin(i * guideStep));
        point->variant = static_cast<uint16_t>(i % 2);
        brush.points.append(point);
    }
}

/** Two zigzag elements, tagged 0 and 1, each one pattern size wide. */
PClip* makePattern()
{
    auto* clip = new PClip();
    clip->clipSize = patternSize;
    for (uint16_t tag = 0; tag < 2; ++tag)
    {
        auto* curve = new PCurve();
        for (int i = 0; i <= 4; ++i)
            curve->points.append(new PPoint(i * patternSize / 4, (i % 2 == 0 ? 0.0f : 0.3f) * (tag + 1)));
        clip->cardFor(tag)->shapes.append(curve);
    }
    return clip;
}

void generate(benchmark::State& state)
{
    PBrush brush;
    brush.kind = static_cast<uint16_t>(state.range(0));
    brush.distribute = 0.3f;
    brush.oscillate = 0.2f;
    makeGuide(brush, static_cast<int>(state.range(1)));
    brush.pattern.reset(makePattern());
    for (auto _ : state)
        benchmark::DoNotOptimize(brush.generateStrokes());
    state.counters["strokes"] = brush.strokes.size();
}
} // namespace

BENCHMARK(generate)->ArgsProduct({{1, 2, 3, 4}, {100, 2000}})->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
