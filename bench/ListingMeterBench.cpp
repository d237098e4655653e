#include "AttachFindings.h"
#include "BenchDescriptions.h"
#include "DescriptionBoxes.h"
#include "EditorSettings.h"
#include "ListingMeter.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// The main window's boxes holding a description, the findings model and its length line;
// with marks, every box marks its findings on screen as the window does.
struct Window {
    Window(qsizetype characters, bool marks)
        : boxes(&window, &window), model([this] { return ReadDescription(boxes); }, ContentRuleSet::all()),
          meter(&window, model)
    {
        window.resize(994, 747);
        WriteDescription(boxes, benchDescription(characters));
        if (marks) {
            for (const SectionInfo& section : SectionTable)
                for (QWidget* box : {boxes.widget(section.index), boxes.longForm(section.index)})
                    if (box)
                        attachFindings(box, model, section.index, {}, settings);
            window.show();
        }
        model.updateNow();
        QApplication::processEvents();
    }
    QWidget window;
    DescriptionBoxes boxes;
    EditorSettings settings;
    FindingsModel model;
    ListingMeter meter;
};

// One update of the findings and the meter: the texts read back from the boxes, both
// fragments built and checked, the line and its tooltip set. The model runs this at most
// once per pause in typing, on the user-interface thread.
void updateMeter(benchmark::State& state)
{
    Window w(state.range(0), false);
    for (auto _ : state)
        w.model.updateNow();
    state.SetBytesProcessed(state.iterations() * textSize(ReadDescription(w.boxes)));
}

// One key typed into the middle of the opening remarks, then the update: what a pause after
// each key costs. The key itself (and its own repaint) is not timed; with marks (second
// argument 1), the repaint of the marks that moved is.
void updateMeterAfterKey(benchmark::State& state)
{
    const bool marks = state.range(1) != 0;
    Window w(state.range(0), marks);
    auto* box = qobject_cast<QPlainTextEdit*>(w.boxes.widget(OpeningRemarks));
    QTextCursor cursor(box->document());
    cursor.setPosition(box->document()->characterCount() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        cursor.insertText(QStringLiteral("x"));
        if (marks)
            QApplication::processEvents();
        state.ResumeTiming();
        w.model.updateNow();
        if (marks)
            QApplication::processEvents();
    }
    state.SetBytesProcessed(state.iterations() * textSize(ReadDescription(w.boxes)));
}

} // namespace

BENCHMARK(updateMeter)->Name("ListingMeter::updateNow")->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(updateMeterAfterKey)
    ->Name("ListingMeter::updateNow after a key")
    ->Args({64 << 10, 0})
    ->Args({1 << 20, 0})
    ->Args({1 << 20, 1})
    ->Unit(benchmark::kMillisecond);
