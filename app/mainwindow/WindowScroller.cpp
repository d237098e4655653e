#include "WindowScroller.h"

#include "WindowFit.h"
#include "WindowFrameWatch.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace {
// Room kept beside a widget scrolled into view, so that its focus frame shows too.
constexpr int Margin = 6;
// Smaller than this, a window is of no use; its title bar stays reachable all the same.
const QSize SmallestClient{320, 240};

QMargins FrameOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom());
}

// Along one axis: the start of the view that shows [start, end) with the least scrolling.
int Scrolled(int offset, int start, int end, int view)
{
    if (end - start + 2 * Margin > view || start < Margin)
        return offset + start - Margin;
    if (end > view - Margin)
        return offset + end - view + Margin;
    return offset;
}
} // namespace

WindowScroller::WindowScroller(QWidget* window, QSize designed)
    : QObject(window), m_window(window), m_designed(designed)
{
    m_horizontal = new QScrollBar(Qt::Horizontal, window);
    m_vertical = new QScrollBar(Qt::Vertical, window);
    for (QScrollBar* bar : {m_horizontal, m_vertical}) {
        bar->setObjectName(bar == m_vertical ? QStringLiteral("windowScrollVertical")
                                             : QStringLiteral("windowScrollHorizontal"));
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this,
                [this] { scrollTo(QPoint(m_horizontal->value(), m_vertical->value())); });
    }
    m_horizontal->setAccessibleName(QStringLiteral("Scroll the window across"));
    m_vertical->setAccessibleName(QStringLiteral("Scroll the window up and down"));
    window->installEventFilter(this);
    // Once the window manager has framed the window, its frame must fit too.
    WindowFrameWatch::whenFramed(window, [this] { fit(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != m_window && m_window->isAncestorOf(now) && now->window() == m_window)
            ensureVisible(now);
    });
    fit();
}

void WindowScroller::fit()
{
    const QScreen* screen = m_window->screen();
    const QMargins frame = WindowFrameWatch::hasFrame(m_window) ? FrameOf(m_window) : QMargins();
    QSize client = m_designed;
    QRect fitted;
    if (screen) {
        fitted = FitWindowToArea(QRect(m_window->pos(), m_designed.grownBy(frame)),
                                 SmallestClient.boundedTo(m_designed).grownBy(frame), screen->availableGeometry());
        client = fitted.size().shrunkBy(frame);
    }
    m_window->setFixedSize(client);
    if (client != m_designed && fitted.topLeft() != m_window->pos())
        m_window->move(fitted.topLeft());
}

QSize WindowScroller::viewport() const
{
    QSize view = m_window->size();
    // Each bar takes room from the other's direction, and may need the other in turn.
    bool across = m_designed.width() > view.width();
    const bool down = m_designed.height() > view.height() - (across ? m_horizontal->sizeHint().height() : 0);
    across = across || m_designed.width() > view.width() - (down ? m_vertical->sizeHint().width() : 0);
    if (down)
        view.rwidth() -= m_vertical->sizeHint().width();
    if (across)
        view.rheight() -= m_horizontal->sizeHint().height();
    return view;
}

void WindowScroller::layoutBars()
{
    const QSize view = viewport();
    const bool across = view.width() < m_designed.width();
    const bool down = view.height() < m_designed.height();
    m_horizontal->setVisible(across);
    m_vertical->setVisible(down);
    m_horizontal->setGeometry(0, view.height(), view.width(), m_window->height() - view.height());
    m_vertical->setGeometry(view.width(), 0, m_window->width() - view.width(), view.height());
    m_horizontal->setRange(0, std::max(0, m_designed.width() - view.width()));
    m_vertical->setRange(0, std::max(0, m_designed.height() - view.height()));
    m_horizontal->setPageStep(view.width());
    m_vertical->setPageStep(view.height());
    m_horizontal->setSingleStep(20);
    m_vertical->setSingleStep(20);
    m_horizontal->raise();
    m_vertical->raise();
    scrollTo(QPoint(m_horizontal->value(), m_vertical->value()));
}

void WindowScroller::scrollTo(QPoint offset)
{
    const QPoint by = m_offset - offset;
    m_offset = offset;
    if (by.isNull())
        return;
    for (QObject* child : m_window->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && widget != m_horizontal && widget != m_vertical)
            widget->move(widget->pos() + by);
    }
}

void WindowScroller::ensureVisible(const QWidget* widget)
{
    if (!m_horizontal->isVisible() && !m_vertical->isVisible())
        return;
    const QSize view = viewport();
    const QRect shown(widget->mapTo(m_window, QPoint(0, 0)), widget->size());
    m_horizontal->setValue(Scrolled(m_offset.x(), shown.left(), shown.right() + 1, view.width()));
    m_vertical->setValue(Scrolled(m_offset.y(), shown.top(), shown.bottom() + 1, view.height()));
}

bool WindowScroller::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        fit();
        break;
    case QEvent::Resize:
        layoutBars();
        break;
    case QEvent::Wheel:
        if (m_vertical->isVisible())
            QApplication::sendEvent(m_vertical, event);
        break;
    default:
        break;
    }
    return false;
}
