#include "WindowPosition.h"

#include "SettingsStore.h"
#include "Twips.h"
#include "WindowFrameWatch.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

std::optional<int> WindowPosition::applied(std::optional<int> saved, int screenExtent, int windowExtent)
{
    if (!saved || *saved < 0 || *saved > screenExtent - windowExtent)
        return std::nullopt;
    return saved;
}

namespace {
struct Placement {
    std::optional<int> left; // twips
    std::optional<int> top;
};

Placement StoredPlacement(const QScreen* screen, QSize windowSize)
{
    const QRect desk = screen->geometry();
    const auto stored = [](const QString& key) {
        return SettingsStore::toWindowCoordinate(SettingsStore::read(key, QStringLiteral("-1")));
    };
    return {WindowPosition::applied(stored(SettingKey::WindowLeft), TwipsFromPixels(desk.width()),
                                    TwipsFromPixels(windowSize.width())),
            WindowPosition::applied(stored(SettingKey::WindowTop), TwipsFromPixels(desk.height()),
                                    TwipsFromPixels(windowSize.height()))};
}

// A coordinate that is not applied stays where the system would put it: centred.
QPoint Target(const QScreen* screen, QSize windowSize, const Placement& placement)
{
    const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, windowSize, screen->availableGeometry());
    return {placement.left ? PixelsFromTwips(*placement.left) : centred.left(),
            placement.top ? PixelsFromTwips(*placement.top) : centred.top()};
}

} // namespace

void WindowPosition::restore(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize size = window->frameGeometry().size();
    const Placement placement = StoredPlacement(screen, size);
    if (!placement.left && !placement.top)
        return;
    window->move(Target(screen, size, placement));
    if (WindowFrameWatch::hasFrame(window))
        return;
    // Checked again against the frame's size once it has one.
    WindowFrameWatch::whenFramed(window, [window, placement] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QSize frame = window->frameGeometry().size();
        const Placement now = StoredPlacement(screen, frame);
        if ((placement.left && !now.left) || (placement.top && !now.top))
            window->move(Target(screen, frame, now));
    });
}

void WindowPosition::save(const QWidget* window)
{
    if (window->isMinimized())
        return;
    SettingsStore::write(SettingKey::WindowLeft, QString::number(TwipsFromPixels(window->x())));
    SettingsStore::write(SettingKey::WindowTop, QString::number(TwipsFromPixels(window->y())));
}
