#include "SpellService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

// This thread's processor time in milliseconds: the machine's other load does not count.
double threadMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The peak of the process's resident memory so far, in megabytes.
double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// A personal word list of range(0) words: how long until the ordinary words can be checked
// (the first underlines), and until the whole list is in, on the window's thread.
void personalWordList(benchmark::State& state)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/enchant";
    QDir().mkpath(folder);
    QFile list(folder + "/en_US.dic");
    list.open(QIODevice::WriteOnly);
    QByteArray words;
    for (int64_t i = 0; i < state.range(0); ++i)
        words += "Quorword" + QByteArray::number(i) + '\n';
    list.write(words);
    list.close();
    words.clear();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        SpellService service;
        while (!service.ready())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        const qint64 first = timer.elapsed();
        // The longest the window's thread is held between two events, in its processor time.
        double longest = 0;
        while (service.loadingPersonalWords()) {
            const double before = threadMs();
            QCoreApplication::processEvents();
            longest = std::max(longest, threadMs() - before);
        }
        state.counters["ready_ms"] = double(first);
        state.counters["all_in_ms"] = double(timer.elapsed());
        state.counters["longest_turn_cpu_ms"] = longest;
        state.counters["known"] = service.misspelled(QStringLiteral("Quorword%1").arg(state.range(0) - 1)) ? 0 : 1;
    }
    state.counters["peak_rss_mb"] = peakResidentMb();
}

} // namespace

BENCHMARK(personalWordList)->Name("SpellService/personal list")->Arg(1000)->Arg(2000000)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("LC_ALL", "en_US.UTF-8");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
