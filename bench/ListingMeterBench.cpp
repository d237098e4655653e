#include "BenchDescriptions.h"
#include "DescriptionBoxes.h"
#include "ListingMeter.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// One update of the main window's meter: the texts read back from the boxes, both
// fragments built and checked, the line and its tooltip set. The meter runs this at most
// once per pause in typing, on the user-interface thread.
void updateMeter(benchmark::State& state)
{
    QWidget window;
    DescriptionBoxes boxes(&window, &window);
    WriteDescription(boxes, benchDescription(state.range(0)));
    ListingMeter meter(&window, boxes);
    for (auto _ : state)
        meter.updateNow();
    state.SetBytesProcessed(state.iterations() * textSize(ReadDescription(boxes)));
}

// One key typed into the middle of the opening remarks, then the meter's update: what a
// pause after each key costs. The key itself is not timed.
void updateMeterAfterKey(benchmark::State& state)
{
    QWidget window;
    DescriptionBoxes boxes(&window, &window);
    WriteDescription(boxes, benchDescription(state.range(0)));
    ListingMeter meter(&window, boxes);
    auto* box = qobject_cast<QPlainTextEdit*>(boxes.widget(OpeningRemarks));
    QTextCursor cursor(box->document());
    cursor.setPosition(box->document()->characterCount() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        cursor.insertText(QStringLiteral("x"));
        state.ResumeTiming();
        meter.updateNow();
    }
    state.SetBytesProcessed(state.iterations() * textSize(ReadDescription(boxes)));
}

} // namespace

BENCHMARK(updateMeter)->Name("ListingMeter::updateNow")->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(updateMeterAfterKey)
    ->Name("ListingMeter::updateNow after a key")
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);
