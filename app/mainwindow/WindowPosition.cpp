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

// Waits for the window's frame and checks the restored coordinates again against its size.
class FrameCheck : public QObject {
public:
    FrameCheck(QWidget* window, Placement placed) : QObject(window), m_window(window), m_placed(placed)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)
            return false;
        const QSize frame = m_window->frameGeometry().size();
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen || !m_window->isVisible() || frame == m_window->size())
            return false;
        m_window->removeEventFilter(this);
        deleteLater();
        const Placement now = StoredPlacement(screen, frame);
        if ((m_placed.left && !now.left) || (m_placed.top && !now.top))
            m_window->move(Target(screen, frame, now));
        return false;
    }

private:
    QWidget* m_window;
    Placement m_placed;
};
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
    if (size == window->size())
        new FrameCheck(window, placement);
}

void WindowPosition::save(const QWidget* window)
{
    if (window->isMinimized())
        return;
    SettingsStore::write(SettingKey::WindowLeft, QString::number(TwipsFromPixels(window->x())));
    SettingsStore::write(SettingKey::WindowTop, QString::number(TwipsFromPixels(window->y())));
}
