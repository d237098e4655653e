#include "BenchDescriptions.h"
#include "HtmlGenerators.h"

#include <benchmark/benchmark.h>

namespace {

// Bytes per second counts the characters of the description's text.
template <QString (*Generate)(const Description&)>
void generateFragment(benchmark::State& state)
{
    const Description d = benchDescription(state.range(0));
    for (auto _ : state) {
        QString html = Generate(d);
        benchmark::DoNotOptimize(html.data());
    }
    state.SetBytesProcessed(state.iterations() * textSize(d));
}

} // namespace

BENCHMARK(generateFragment<GenerateKindleHTML>)
    ->Name("GenerateKindleHTML")
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(generateFragment<GenerateCreatespaceHTML>)
    ->Name("GenerateCreatespaceHTML")
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
