// The recovery copy of a big description: what taking it costs the typing thread, and
// how long the writer's thread then needs to put it on the disk.
#include "BenchDescriptions.h"
#include "DescriptionBoxes.h"
#include "DocumentState.h"
#include "RecoveryWriter.h"

#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// Boxes holding the description, as after a load.
struct BigBoxes {
    explicit BigBoxes(qsizetype characters)
        : boxes(&window, &window)
    {
        WriteDescription(boxes, benchDescription(characters));
    }
    QWidget window;
    DescriptionBoxes boxes;
};

// The typing thread's part: the texts taken and handed to the writer, which works on.
void takeCopy(benchmark::State& state)
{
    QTemporaryDir folder;
    BigBoxes big(state.range(0));
    RecoveryWriter writer{RecoveryStore(folder.path())};
    for (auto _ : state) {
        writer.write(QStringLiteral("/books/big.qvn"), big.boxes.laterDescription());
        state.PauseTiming();
        writer.wait();
        state.ResumeTiming();
    }
}

// The writer's part: the texts gathered, formatted, checksummed and written crash-safe.
void writeCopy(benchmark::State& state)
{
    QTemporaryDir folder;
    BigBoxes big(state.range(0));
    RecoveryWriter writer{RecoveryStore(folder.path())};
    for (auto _ : state) {
        writer.write(QStringLiteral("/books/big.qvn"), big.boxes.laterDescription());
        writer.wait();
    }
    state.SetBytesProcessed(state.iterations() * textSize(benchDescription(state.range(0))));
}

} // namespace

// Each copy is written in full outside the timing: a fixed count keeps the run short.
BENCHMARK(takeCopy)->Name("RecoveryCopyTypingThread")->Arg(10 << 20)->Iterations(30)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(writeCopy)->Name("RecoveryCopyWritten")->Arg(1 << 20)->Arg(10 << 20)->UseRealTime()->Unit(benchmark::kMillisecond);
