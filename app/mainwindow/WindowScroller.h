#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QScrollBar;
class QWidget;

// Lets a window of fixed design that is larger than the free area of its screen (large
// fonts on a small screen) shrink to that area: its controls then scroll under two scroll
// bars, and whatever takes the keyboard focus is scrolled into view. Where the design fits,
// the window keeps exactly its designed size and shows no scroll bar.
class WindowScroller : public QObject {
    Q_OBJECT
public:
    WindowScroller(QWidget* window, QSize designed);

    // Sizes the window, frame included, to the free area of its screen, at most the design.
    void fit();
    // How far the controls are scrolled, in the window's pixels.
    QPoint offset() const { return m_offset; }
    // Scrolls the least that brings the widget, one of the window's, into view.
    void ensureVisible(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize viewport() const;
    void layoutBars();
    void scrollTo(QPoint offset);

    QWidget* m_window;
    QSize m_designed;
    QScrollBar* m_horizontal;
    QScrollBar* m_vertical;
    QPoint m_offset;
};
