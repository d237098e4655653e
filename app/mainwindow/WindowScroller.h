#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <utility>

class QScrollBar;
class QWidget;
class TopBar;

// Lets the main window, of fixed design, take what its screen offers where the design does
// not fit (large fonts on a small screen): the window, frame included, shrinks to the free
// area of its screen; the top bar wraps its button groups into rows and stays at the top,
// the length line stays at the bottom, and only the section area between them scrolls, up
// and down, never sideways: its frames and boxes take the window's width. Whatever takes
// the keyboard focus there, and the caret as it moves, is scrolled into view. Where the
// design fits, everything keeps exactly its designed place and no scroll bar shows.
class WindowScroller : public QObject {
    Q_OBJECT
public:
    // sections holds the section frames, captions and boxes at their designed places in the
    // window; it is put into a clipping area of its own. footer is the length line.
    WindowScroller(QWidget* window, TopBar* topBar, QWidget* sections, QWidget* footer, QSize designed);

    // Sizes the window, frame included, to the free area of its screen, at most the design.
    void fit();
    // How far the section area is scrolled down, in the window's pixels.
    int offset() const;
    // Scrolls the least that brings the widget, one of the section area's, into view; a
    // widget taller than the view shows the part around its caret.
    void ensureVisible(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange();
    void scrollTo(int offset);
    // Brings the rectangle, in the section area's coordinates, into view.
    void reveal(const QRect& shown);
    void revealCaret();

    QWidget* m_window;
    TopBar* m_topBar;
    QWidget* m_view;      // clips the sections to the room between top bar and length line
    QWidget* m_sections;
    QWidget* m_footer;
    QScrollBar* m_bar;
    QSize m_designed;
    QRect m_footerDesigned;
    // The sections' widgets at their designed places, taken as they are first arranged.
    QHash<QWidget*, std::pair<QPointer<QWidget>, QRect>> m_placed;
    int m_sectionsTop;  // where the section area starts in the design
    bool m_arranging = false;
};
