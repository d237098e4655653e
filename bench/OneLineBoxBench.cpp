#include "AttachFindings.h"
#include "DescriptionBoxes.h"
#include "EditorSettings.h"
#include "LongLineField.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

QString headline(qsizetype characters)
{
    const QString words = QStringLiteral("A headline of many words, typed on and on ");
    QString text;
    text.reserve(characters + words.size());
    while (text.size() < characters)
        text += words;
    text.truncate(characters);
    return text;
}

// The main window's boxes with a long headline, the focus and the cursor in it; the
// headline's findings marked (a web address at its start), as the main window marks them.
struct Window {
    explicit Window(qsizetype characters)
        : boxes(&window, &window), model([this] { return ReadDescription(boxes); }, ContentRuleSet::all())
    {
        window.resize(1000, 750);
        boxes.setBoxText(Headline, QStringLiteral("www.example.com ") + headline(characters));
        attachFindings(boxes.widget(Headline), model, Headline, {}, settings);
        auto* field = static_cast<LongLineField*>(boxes.longForm(Headline));
        attachFindings(field, model, Headline, [field]() -> const std::vector<int>& { return field->splits(); }, settings);
        model.updateNow();
        window.show();
        QApplication::setActiveWindow(&window);
        boxes.widget(Headline)->setFocus();
        settle(500);
    }
    static void settle(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QWidget window;
    DescriptionBoxes boxes;
    EditorSettings settings;
    FindingsModel model;
};

// The share of a core the program takes while nothing happens but the cursor blinking.
void idle(benchmark::State& state)
{
    Window w(state.range(0));
    for (auto _ : state) {
        const double before = cpuSeconds();
        Window::settle(3000);
        state.counters["idle_core_percent"] = (cpuSeconds() - before) / 3.0 * 100;
    }
}

// One key typed at the end of the headline, until the window is idle again.
void key(benchmark::State& state)
{
    Window w(state.range(0));
    for (auto _ : state) {
        // The line edit, or what shows the text in its place while that is too long for it.
        QWidget* box = QApplication::focusWidget();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
        QApplication::processEvents();
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(idle)->Name("Headline/idle")->Arg(64 << 10)->Arg(1 << 20)->Arg(10 << 20)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(key)->Name("Headline/key")->Arg(64 << 10)->Arg(1 << 20)->Arg(10 << 20)->Iterations(3)->Unit(benchmark::kMillisecond);
