#include "WindowPosition.h"

#include "SettingsStore.h"
#include "Twips.h"

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

void WindowPosition::restore(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desk = screen->geometry();
    const QSize size = window->frameGeometry().size();
    const auto stored = [](const QString& key) {
        return SettingsStore::toWindowCoordinate(SettingsStore::read(key, QStringLiteral("-1")));
    };
    const auto left = applied(stored(SettingKey::WindowLeft), TwipsFromPixels(desk.width()), TwipsFromPixels(size.width()));
    const auto top = applied(stored(SettingKey::WindowTop), TwipsFromPixels(desk.height()), TwipsFromPixels(size.height()));
    if (!left && !top)
        return;
    // A coordinate that is not applied stays where the system would put it: centred.
    const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen->availableGeometry());
    window->move(left ? PixelsFromTwips(*left) : centred.left(), top ? PixelsFromTwips(*top) : centred.top());
}

void WindowPosition::save(const QWidget* window)
{
    if (window->isMinimized())
        return;
    SettingsStore::write(SettingKey::WindowLeft, QString::number(TwipsFromPixels(window->x())));
    SettingsStore::write(SettingKey::WindowTop, QString::number(TwipsFromPixels(window->y())));
}
