// Opening a big description in the main window's boxes: the file read, the texts handed
// to the boxes, and the window painted and idle afterwards.
#include "AttachSpelling.h"
#include "BenchDescriptions.h"
#include "DescriptionBoxes.h"
#include "DescriptionFile.h"
#include "DescriptionFileFormat.h"
#include "DocumentState.h"
#include "MessageBox.h"
#include "SpellService.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// Runs the event loop until nothing is left to do: posted events, layouts and paints.
void untilIdle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// With spelling on, the boxes check spelling, the dictionary loaded beforehand.
void checkSpelling(benchmark::State& state, bool spelling, DescriptionBoxes& boxes, SpellService& service)
{
    if (!spelling)
        return;
    for (const SectionInfo& section : SectionTable)
        attachSpelling(boxes.widget(section.index), service);
    if (!service.waitUntilReady())
        state.SkipWithError("no dictionary");
}

// Opens a file holding bytes in the boxes of a fresh window, once per iteration.
void loadFile(benchmark::State& state, const QByteArray& bytes, bool spelling = false)
{
    QTemporaryDir folder;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    int messages = 0;
    SetMessageHandler([&messages](const MessageRequest&) {
        ++messages;
        return MsgAnswer::OK;
    });
    const QString path = folder.filePath(QStringLiteral("big.qvn"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0) {
            state.SkipWithError("cannot write the file");
            return;
        }
    }

    SpellService service;  // one for the program's life, as in the editor
    for (auto _ : state) {
        state.PauseTiming();
        QWidget window;
        window.resize(994, 747);
        DescriptionBoxes boxes(&window, &window);
        checkSpelling(state, spelling, boxes, service);
        Document().Boxes = &boxes;
        window.show();
        untilIdle();
        state.ResumeTiming();

        LoadDescriptionFile(path);
        window.repaint();
        untilIdle();

        state.PauseTiming();
        Document().Boxes = nullptr;
        state.ResumeTiming();
    }
    if (messages != 0)
        state.SkipWithError("the load showed a message");
    state.SetBytesProcessed(state.iterations() * bytes.size());
    SetMessageHandler({});
}

void loadIntoBoxes(benchmark::State& state)
{
    loadFile(state, DescriptionFileFormat::format(benchDescription(state.range(0))), state.range(1) != 0);
}

// Typing one character at the end of a box that holds most of a big description.
void typeIntoBigBox(benchmark::State& state)
{
    QWidget window;
    window.resize(994, 747);
    DescriptionBoxes boxes(&window, &window);
    SpellService service;
    checkSpelling(state, state.range(1) != 0, boxes, service);
    window.show();
    boxes.setBoxText(OpeningRemarks, benchDescription(state.range(0))[OpeningRemarks]);
    untilIdle();
    auto* edit = static_cast<QPlainTextEdit*>(boxes.widget(OpeningRemarks));
    if (state.range(2) != 0) {
        // The whole text on one line, typed into its middle.
        edit->setPlainText(edit->toPlainText().replace(u'\n', u' '));
        untilIdle();
        QTextCursor middle = edit->textCursor();
        middle.setPosition(edit->document()->characterCount() / 2);
        edit->setTextCursor(middle);
    } else {
        edit->moveCursor(QTextCursor::End);
    }
    // Words, some misspelled, as they grow key by key.
    const QString typed = QStringLiteral("Typing a sentense of wrods and words. ");
    qsizetype next = 0;
    for (auto _ : state) {
        edit->insertPlainText(typed.at(next++ % typed.size()));
        edit->repaint();
        untilIdle();
    }
}

// A description whose opening remarks are one line without a blank, of range(0) characters.
void loadOneLongLine(benchmark::State& state)
{
    Description d;
    d.BookTitle = QStringLiteral("Long Line");
    d[static_cast<SectionIndex>(state.range(1))] = QString(state.range(0), QLatin1Char('x'));
    loadFile(state, DescriptionFileFormat::format(d));
}

// Typing into the middle of opening remarks that are one line of range(0) characters without
// a blank.
void typeIntoLongLine(benchmark::State& state)
{
    QWidget window;
    window.resize(994, 747);
    DescriptionBoxes boxes(&window, &window);
    window.show();
    boxes.setBoxText(OpeningRemarks, QString(state.range(0), QLatin1Char('x')));
    untilIdle();
    auto* edit = static_cast<QPlainTextEdit*>(boxes.widget(OpeningRemarks));
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(static_cast<int>(state.range(0) / 2));
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    untilIdle();
    for (auto _ : state) {
        edit->insertPlainText(QStringLiteral("y"));
        edit->repaint();
        untilIdle();
    }
}

} // namespace

BENCHMARK(loadIntoBoxes)->Name("LoadIntoBoxes")->ArgNames({"chars", "spelling"})
    ->ArgsProduct({{1000000, 10000000, 64000000}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(loadOneLongLine)->Name("LoadOneLongLine")->ArgsProduct({{1000000, 10000000, 64000000}, {OpeningRemarks, Headline}})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(typeIntoBigBox)->Name("TypeIntoBigBox")->ArgNames({"chars", "spelling", "oneline"})
    ->ArgsProduct({{10000000}, {0, 1}, {0}})->Args({1000000, 0, 1})->Args({1000000, 1, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(typeIntoLongLine)->Name("TypeIntoLongLine")->Arg(10000000)->Unit(benchmark::kMillisecond);
