#include "BenchDescriptions.h"
#include "ContentChecker.h"
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

// A key typed in the middle of 50,000 lines of 20 web addresses each (a million content
// findings), against the same text with none: the editor's checker keeps the first findings
// and counts the rest, so the key costs the same either way.
void contentCheckerKey(benchmark::State& state)
{
    const QString unit = state.range(0) ? QStringLiteral("www.example.com ") : QStringLiteral("www-example-com ");
    Description d;
    d[OpeningRemarks] = (unit.repeated(20) + QStringLiteral("\r\n")).repeated(50000);
    ContentChecker checker;
    checker.check(d);
    const qsizetype middle = d[OpeningRemarks].size() / 2;
    bool inserted = false;
    for (auto _ : state) {
        if (inserted)
            d[OpeningRemarks].remove(middle, 1);
        else
            d[OpeningRemarks].insert(middle, QLatin1Char('x'));
        inserted = !inserted;
        benchmark::DoNotOptimize(checker.check(d).count(OpeningRemarks));
    }
    state.counters["findings"] = double(checker.check(d).count(OpeningRemarks));
    state.counters["kept"] = double(checker.check(d)[OpeningRemarks].size());
}

// --check's whole check of that text: every finding counted, the first thousand kept.
void checkListingManyFindings(benchmark::State& state)
{
    Description d;
    d[OpeningRemarks] = (QStringLiteral("www.example.com ").repeated(20) + QStringLiteral("\r\n")).repeated(50000);
    for (auto _ : state) {
        ListingCheck check = CheckListing(d);
        benchmark::DoNotOptimize(check.contentFindingCount);
        state.counters["findings"] = double(check.contentFindingCount);
        state.counters["kept"] = double(check.contentFindings.size());
    }
}

} // namespace

BENCHMARK(contentCheckerKey)->Name("ContentCheckerKey")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(checkListingManyFindings)->Name("CheckListingAMillionFindings")->Unit(benchmark::kMillisecond);
BENCHMARK(checkListing)->Name("CheckListing")->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(checkTags)->Name("CheckSectionTags")->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
