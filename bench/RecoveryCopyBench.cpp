// The recovery copy of a big description: what taking it costs the typing thread, and
// how long the writer's thread then needs to put it on the disk.
#include "BenchDescriptions.h"
#include "DescriptionBoxes.h"
#include "DocumentState.h"
#include "DescriptionFileFormat.h"
#include "RecoveryOffer.h"
#include "RecoveryWriter.h"

#include <QDir>
#include <QFile>

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

// A start over damaged copies as large as a copy may be (sparse): each told by its header.
// Arg 1: 0 when damaged/ can be made (each is moved), 1 when it cannot (left in place; the
// timing is then of the later starts, which pass over them).
void damagedCopiesAtStart(benchmark::State& state)
{
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("recovery"));
    const bool leftInPlace = state.range(1) != 0;
    ResetDocumentState();
    for (auto _ : state) {
        state.PauseTiming();
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        if (leftInPlace)
            QFile(folder + QStringLiteral("/damaged")).open(QIODevice::WriteOnly);
        for (int n = 0; n < state.range(0); ++n) {
            ProcessIdentity ended = ProcessIdentity::current();
            ended.boot = QStringLiteral("an-earlier-boot");
            ended.pid = 1000 + n;
            QFile copy(folder + QLatin1Char('/') + ended.name() + RecoveryStore::Suffix);
            copy.open(QIODevice::WriteOnly);
            copy.resize(DescriptionFileFormat::MaxFileBytes);
        }
        if (leftInPlace)
            OfferRecoveryCopies(RecoveryStore(folder));  // the first start, which names them
        state.ResumeTiming();
        OfferRecoveryCopies(RecoveryStore(folder));
    }
}

} // namespace

BENCHMARK(damagedCopiesAtStart)->Name("RecoveryDamagedCopiesAtStart")->Args({100, 0})->Args({1000, 1})
    ->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
// Each copy is written in full outside the timing: a fixed count keeps the run short.
BENCHMARK(takeCopy)->Name("RecoveryCopyTypingThread")->Arg(10 << 20)->Iterations(30)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(writeCopy)->Name("RecoveryCopyWritten")->Arg(1 << 20)->Arg(10 << 20)->UseRealTime()->Unit(benchmark::kMillisecond);
