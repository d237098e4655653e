#include "BenchDescriptions.h"
#include "Form2.h"
#include "HtmlGenerators.h"
#include "PreviewPage.h"

#include <benchmark/benchmark.h>

namespace {

// What the editor does on the preview button before the helper starts: the fragment,
// the page around it and its UTF-8 bytes for the helper's standard input.
void buildPageForHelper(benchmark::State& state)
{
    const Description d = benchDescription(state.range(0));
    for (auto _ : state) {
        QByteArray page = BuildPreviewPage(PreviewTarget::Kindle, GenerateKindleHTML(d)).toUtf8();
        benchmark::DoNotOptimize(page.data());
    }
    state.SetBytesProcessed(state.iterations() * textSize(d));
}

// The helper's choice between a data address and our own scheme.
void chooseHandover(benchmark::State& state)
{
    const QByteArray page =
        BuildPreviewPage(PreviewTarget::Kindle, GenerateKindleHTML(benchDescription(state.range(0)))).toUtf8();
    for (auto _ : state)
        benchmark::DoNotOptimize(Form2::FitsInDataAddress(page));
    state.SetBytesProcessed(state.iterations() * page.size());
}

} // namespace

BENCHMARK(buildPageForHelper)->Arg(10 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(chooseHandover)->Arg(10 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
