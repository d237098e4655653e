#include "WindowScroller.h"

#include "ScreenFit.h"
#include "TopBar.h"
#include "WindowFit.h"
#include "WindowFrameWatch.h"

#include <QApplication>
#include <QInputMethod>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace {
// Room kept above and below a widget scrolled into view, so that its focus frame shows too.
constexpr int Margin = 6;
// Smaller than this, a window is of no use; its title bar stays reachable all the same.
const QSize SmallestClient{320, 240};

// The start of a view of the given height that shows [start, end) with the least scrolling.
int Scrolled(int offset, int start, int end, int view)
{
    if (end - start + 2 * Margin > view || start < offset + Margin)
        return start - Margin;
    if (end > offset + view - Margin)
        return end - view + Margin;
    return offset;
}
} // namespace

WindowScroller::WindowScroller(QWidget* window, TopBar* topBar, QWidget* sections, QWidget* footer, QSize designed)
    : QObject(window), m_window(window), m_topBar(topBar), m_view(sections->parentWidget()), m_sections(sections),
      m_footer(footer), m_designed(designed), m_footerDesigned(footer->geometry()),
      m_sectionsTop(topBar->geometry().bottom() + 1)
{
    m_bar = new QScrollBar(Qt::Vertical, window);
    m_bar->setObjectName(QStringLiteral("windowScrollVertical"));
    m_bar->setAccessibleName(QStringLiteral("Scroll the sections up and down"));
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->setSingleStep(20);
    m_bar->hide();
    connect(m_bar, &QScrollBar::valueChanged, this, &WindowScroller::scrollTo);
    window->installEventFilter(this);
    m_view->installEventFilter(this);
    // Once the window manager has framed the window, its frame must fit too.
    WindowFrameWatch::whenFramed(window, [this] { fit(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && m_sections->isAncestorOf(now))
            ensureVisible(now);
    });
    connect(QGuiApplication::inputMethod(), &QInputMethod::cursorRectangleChanged, this, &WindowScroller::revealCaret);
    // Sized first: laid out for the size a new window has before, it would be laid out twice.
    fit();
    arrange();
}

void WindowScroller::fit()
{
    const QScreen* screen = m_window->screen();
    // The frame as the window manager has made it, none before it has.
    const QMargins frame = WindowFrameWatch::frameMargins(m_window);
    const QPoint at = WindowFrameWatch::frameGeometry(m_window).topLeft();
    QSize client = m_designed;
    QRect fitted;
    if (screen) {
        fitted = FitWindowToArea(QRect(at, m_designed.grownBy(frame)),
                                 SmallestClient.boundedTo(m_designed).grownBy(frame), FittingArea(screen));
        client = fitted.size().shrunkBy(frame);
    }
    m_window->setFixedSize(client);
    if (client != m_designed && fitted.topLeft() != at)
        WindowFrameWatch::moveFrameTo(m_window, fitted.topLeft());
}

int WindowScroller::offset() const
{
    return m_bar->isVisible() ? m_bar->value() : 0;
}

void WindowScroller::arrange()
{
    if (m_arranging)
        return;
    m_arranging = true;
    const QSize window = m_window->size();
    const bool designed = window.width() >= m_designed.width() && window.height() >= m_designed.height();
    const int top = m_topBar->arrange(window.width());
    m_topBar->move(0, 0);
    // The length line: its designed place, or the window's foot, as high as its text needs.
    QRect footer = m_footerDesigned;
    if (!designed) {
        const int height = std::max(m_footerDesigned.height(), m_footer->sizeHint().height());
        footer = QRect(m_footerDesigned.left(), window.height() - height, window.width() - m_footerDesigned.left(), height);
    }
    m_footer->setGeometry(footer);
    m_footer->raise();

    const int room = std::max(0, footer.top() - top);
    const int needed = m_footerDesigned.top() - m_sectionsTop;
    const bool scrolls = needed > room;
    const int barWidth = scrolls ? m_bar->sizeHint().width() : 0;
    const int width = designed ? m_designed.width() : window.width() - barWidth;
    m_view->setGeometry(0, top, width, room);
    m_bar->setVisible(scrolls);
    m_bar->setGeometry(window.width() - barWidth, top, barWidth, room);
    m_bar->setRange(0, std::max(0, needed - room));
    m_bar->setPageStep(std::max(1, room));

    // Frames and boxes run across the design; they take the width there is, left edges kept.
    const int wider = width - m_designed.width();
    for (QWidget* child : m_sections->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A widget gone leaves its entry behind: one made later at its address is new.
        if (!m_placed.contains(child) || m_placed.value(child).first != child)
            m_placed.insert(child, {child, child->geometry()});
        QRect place = m_placed.value(child).second;
        if (place.width() > m_designed.width() / 2)
            place.setWidth(place.width() + wider);
        if (child->geometry() != place)
            child->setGeometry(place);
    }
    m_sections->setGeometry(0, -m_sectionsTop - offset(), width, m_designed.height());
    m_arranging = false;
    if (QWidget* focus = QApplication::focusWidget(); focus && m_sections->isAncestorOf(focus))
        ensureVisible(focus);
}

void WindowScroller::scrollTo(int offset)
{
    m_sections->move(0, -m_sectionsTop - offset);
}

void WindowScroller::reveal(const QRect& shown)
{
    if (!m_bar->isVisible())
        return;
    // In the view's terms: the section area's top is the design's top of the sections.
    const QRect inView = shown.translated(0, -m_sectionsTop);
    m_bar->setValue(Scrolled(m_bar->value(), inView.top(), inView.bottom() + 1, m_view->height()));
}

void WindowScroller::ensureVisible(const QWidget* widget)
{
    if (!m_bar->isVisible() || !m_sections->isAncestorOf(widget))
        return;
    const QRect shown(widget->mapTo(m_sections, QPoint(0, 0)), widget->size());
    if (shown.height() + 2 * Margin <= m_view->height()) {
        reveal(shown);
        return;
    }
    // Taller than the view: where the caret is, or else its top.
    const QRect caret = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    reveal(caret.isValid() ? caret.translated(shown.topLeft()) : shown.adjusted(0, 0, 0, -shown.height() + 1));
}

void WindowScroller::revealCaret()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !m_bar->isVisible() || !m_sections->isAncestorOf(focus))
        return;
    const QRect caret = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    if (caret.isValid())
        reveal(caret.translated(focus->mapTo(m_sections, QPoint(0, 0))));
}

bool WindowScroller::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view) {
        // A wheel turned over the sections, and not taken by a box that scrolls itself.
        if (event->type() == QEvent::Wheel && m_bar->isVisible()) {
            QApplication::sendEvent(m_bar, event);
            return true;
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::Show:
        fit();
        break;
    case QEvent::Resize:
        arrange();
        break;
    default:
        break;
    }
    return false;
}
