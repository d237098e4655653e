#include "BenchDescriptions.h"
#include "DescriptionFile.h"
#include "DescriptionFileFormat.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "MessageBox.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// WriteDescriptionFile then LoadDescriptionFile, as Save and Open run them: the file
// written crash-safe and read back into the boxes, the recent file remembered each time.
void saveAndLoad(benchmark::State& state)
{
    QTemporaryDir folder;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    int messages = 0;
    SetMessageHandler([&messages](const MessageRequest&) {
        ++messages;
        return MsgAnswer::OK;
    });

    const Description d = benchDescription(state.range(0));
    MemoryDescriptionView boxes;
    Document().Boxes = &boxes;
    const QString path = folder.filePath(QStringLiteral("bench.qvn"));
    for (auto _ : state) {
        WriteDescription(boxes, d);
        QString written = path;
        WriteDescriptionFile(written);
        WriteDescription(boxes, Description{});
        LoadDescriptionFile(written);
    }
    if (messages != 0 || ReadDescription(boxes) != d)
        state.SkipWithError("the description did not survive the save and load");
    state.SetBytesProcessed(state.iterations() * textSize(d));
    Document().Boxes = nullptr;
    SetMessageHandler({});
}

// The byte layout alone, without the file system.
void formatAndParse(benchmark::State& state)
{
    const Description d = benchDescription(state.range(0));
    for (auto _ : state) {
        const QByteArray bytes = DescriptionFileFormat::format(d);
        DescriptionFileFormat::Content content = DescriptionFileFormat::parse(bytes);
        benchmark::DoNotOptimize(content.description.Sections[0].data());
    }
    state.SetBytesProcessed(state.iterations() * textSize(d));
}

} // namespace

BENCHMARK(saveAndLoad)->Name("SaveAndLoadDescriptionFile")->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(formatAndParse)->Name("FormatAndParseBytes")->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
