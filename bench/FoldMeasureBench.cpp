#include "BenchDescriptions.h"
#include "FoldMeasure.h"

#include <benchmark/benchmark.h>

namespace {

// What the editor adds to a preview click, and to each pause in typing: the fold of every kind
// of page (for the preview), or of the chosen one (for the boxes).
void foldMarksForPreview(benchmark::State& state)
{
    const Description d = benchDescription(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasureFoldMarks(d, PreviewTarget::Kindle, 0));
    state.SetBytesProcessed(state.iterations() * textSize(d));
}

void foldForTheBoxes(benchmark::State& state)
{
    const Description d = benchDescription(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasureFold(d, PreviewTarget::Kindle, FoldProfileAt(0)));
    state.SetBytesProcessed(state.iterations() * textSize(d));
}

} // namespace

BENCHMARK(foldMarksForPreview)->Arg(2 << 10)->Arg(10 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(foldForTheBoxes)->Arg(2 << 10)->Arg(10 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
