#include "BenchDescriptions.h"
#include "ListingCheck.h"

#include <benchmark/benchmark.h>

namespace {

// Bytes per second counts the characters of the description's text. The check builds
// both fragments for their lengths and reads every section's tags.
void checkListing(benchmark::State& state)
{
    const Description d = benchDescription(state.range(0));
    for (auto _ : state) {
        ListingCheck check = CheckListing(d);
        benchmark::DoNotOptimize(check.kindle.length);
    }
    state.SetBytesProcessed(state.iterations() * textSize(d));
}

// The tags alone, on text where every line holds a pair.
void checkTags(benchmark::State& state)
{
    const Description d = benchDescription(state.range(0));
    for (auto _ : state) {
        for (const SectionInfo& section : SectionTable)
            benchmark::DoNotOptimize(CheckSectionTags(section.index, d[section.index]).size());
    }
    state.SetBytesProcessed(state.iterations() * textSize(d));
}

} // namespace

BENCHMARK(checkListing)->Name("CheckListing")->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(checkTags)->Name("CheckSectionTags")->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
