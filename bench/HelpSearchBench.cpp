// Hostile help searches: what a query typed to cost minutes now takes, bounded, and what the
// window's thread spends asking for one while another runs (the engine waits in that call).
#include "Help.h"
#include "HelpSearchQuery.h"
#include "HelpSearchRunner.h"
#include "HelpWindow.h"

#include <QElapsedTimer>
#include <QHelpSearchEngine>
#include <QSignalSpy>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

QString hostile(int kind)
{
    return kind == 0 ? QStringLiteral("a* ").repeated(300) : QStringLiteral("the ").repeated(3000);
}

struct OpenHelp {
    OpenHelp()
    {
        window = ShowHelpFrom(&owner, {QStringLiteral(QUORVANE_HELP_FILE)});
        search = window->findChild<QHelpSearchEngine*>();
        runner = window->findChild<HelpSearchRunner*>();
        // Once the index is built, a word of the book is found.
        for (int i = 0; i < 100 && search->searchResultCount() == 0; ++i) {
            QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
            runner->search(QStringLiteral("clipboard"));
            finished.wait(5000);
            QTest::qWait(50);
        }
    }
    QWidget owner;
    HelpWindow* window = nullptr;
    QHelpSearchEngine* search = nullptr;
    HelpSearchRunner* runner = nullptr;
};

// A whole hostile search, bounded, to its results.
void hostileSearch(benchmark::State& state)
{
    OpenHelp help;
    for (auto _ : state) {
        QSignalSpy finished(help.search, &QHelpSearchEngine::searchingFinished);
        help.runner->search(HelpSearchQuery(hostile(int(state.range(0)))));
        finished.wait(60000);
    }
}

// The window's thread, asking for a search while one runs: it must not wait for it.
void searchWhileOneRuns(benchmark::State& state)
{
    OpenHelp help;
    for (auto _ : state) {
        state.PauseTiming();
        QSignalSpy finished(help.search, &QHelpSearchEngine::searchingFinished);
        help.runner->search(HelpSearchQuery(hostile(1)));
        state.ResumeTiming();
        help.runner->search(HelpSearchQuery(QStringLiteral("clipboard")));
        state.PauseTiming();
        QTest::qWaitFor([&] { return !help.runner->isSearching(); }, 60000);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(hostileSearch)->Name("HelpSearchHostile")->Arg(0)->Arg(1)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(searchWhileOneRuns)->Name("HelpSearchAskedWhileOneRuns")->Iterations(5)->UseRealTime()->Unit(benchmark::kMicrosecond);
