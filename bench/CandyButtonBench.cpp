// Redraw of the skinned button per style and state, at the sizes of the start dialog's
// buttons (460 × 41) and the main window's copy buttons (204 × 23).
#include "CandyButton.h"

#include <QImage>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {
void BM_Redraw(benchmark::State& state)
{
    const int style = static_cast<int>(state.range(0));
    const auto buttonState = static_cast<ButtonState>(state.range(1));
    const int width = static_cast<int>(state.range(2));
    const int height = static_cast<int>(state.range(3));

    QWidget host;
    auto* button = new CandyButton(&host);
    button->setObjectName(QStringLiteral("cmdNew"));
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(qRgba(40, 120, 220, 255));
    PropertyBag bag;
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    bag.WriteProperty(QStringLiteral("Font"), font);
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("Open the last book description I worked on"));
    bag.WriteProperty(QStringLiteral("Picture"),
                      QVariant::fromValue(ButtonPicture::FromImage(height > 30 ? icon : icon.scaled(16, 16),
                                                                   ButtonPicture::Kind::Icon)));
    bag.WriteProperty(QStringLiteral("PictureAlignment"), PictureLeft);
    bag.WriteProperty(QStringLiteral("Style"), style);
    bag.WriteProperty(QStringLiteral("Checked"), buttonState == StateChecked);
    button->resize(width, height);
    button->ReadProperties(bag, false);
    button->RebuildShape();

    for (auto _ : state) {
        button->Redraw(buttonState);
        benchmark::DoNotOptimize(button->Surface().Image().constBits());
    }
}

void AllStylesAndStates(benchmark::internal::Benchmark* benchmark)
{
    for (auto [w, h] : {std::pair{460, 41}, {204, 23}})
        for (int style = 0; style <= 7; ++style)
            for (int state = StateNormal; state <= StateChecked; ++state)
                benchmark->Args({style, state, w, h});
    benchmark->ArgNames({"style", "state", "w", "h"});
    benchmark->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Redraw)->Apply(AllStylesAndStates);
} // namespace
