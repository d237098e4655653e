#include "WindowPosition.h"

#include "SettingsStore.h"
#include "Twips.h"
#include "WindowFit.h"
#include "WindowFrameWatch.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

std::optional<int> WindowPosition::applied(std::optional<int> saved, int screenExtent, int windowExtent)
{
    if (!saved || *saved < 0 || *saved > screenExtent - windowExtent)
        return std::nullopt;
    return saved;
}

namespace {
QRect InTwips(const QRect& pixels)
{
    return {TwipsFromPixels(pixels.x()), TwipsFromPixels(pixels.y()), TwipsFromPixels(pixels.width()),
            TwipsFromPixels(pixels.height())};
}

// Where the frame of that size goes (pixels), from the stored twips; nothing to move.
std::optional<QPoint> Target(QSize frame)
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return std::nullopt;
    QList<QRect> screens{InTwips(primary->geometry())};
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            screens << InTwips(screen->geometry());
    // -1, the default, is no position at all.
    const auto stored = [](const QString& key) -> std::optional<int> {
        const std::optional<int> value = SettingsStore::toWindowCoordinate(SettingsStore::read(key, QStringLiteral("-1")));
        return value == -1 ? std::nullopt : value;
    };
    const std::optional<QPoint> twips =
        RestoredWindowPosition(stored(SettingKey::WindowLeft), stored(SettingKey::WindowTop),
                               QSize(TwipsFromPixels(frame.width()), TwipsFromPixels(frame.height())), screens,
                               InTwips(primary->availableGeometry()));
    if (!twips)
        return std::nullopt;
    return QPoint(PixelsFromTwips(twips->x()), PixelsFromTwips(twips->y()));
}
} // namespace

bool WindowPosition::platformKeepsPositions()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void WindowPosition::restore(QWidget* window)
{
    if (!platformKeepsPositions())
        return;
    if (const std::optional<QPoint> target = Target(window->frameGeometry().size()))
        window->move(*target);
    if (window->isVisible())
        return;
    // Against the frame's size once it has one. A window placed before it had a native window
    // sits with its frame at the point; one that had, with its client area there (the frame
    // was not known): that one is moved where it belongs now that Qt knows the frame.
    WindowFrameWatch::whenFramed(window, [window] {
        const QRect frame = WindowFrameWatch::frameGeometry(window);
        const std::optional<QPoint> target = Target(frame.size());
        if (target && frame.topLeft() != *target)
            WindowFrameWatch::moveFrameTo(window, *target);
    });
}

void WindowPosition::save(const QWidget* window)
{
    if (window->isMinimized() || !platformKeepsPositions())
        return;
    const QPoint frame = WindowFrameWatch::frameGeometry(window).topLeft();
    SettingsStore::write(SettingKey::WindowLeft, QString::number(TwipsFromPixels(frame.x())));
    SettingsStore::write(SettingKey::WindowTop, QString::number(TwipsFromPixels(frame.y())));
}
