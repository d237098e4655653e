#include "HelpPageAccessible.h"

#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {
QAccessibleInterface* HelpPageFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("HelpBrowser") && object && object->isWidgetType())
        return new HelpPageAccessible(static_cast<QTextBrowser*>(object));
    return nullptr;
}
} // namespace

HelpPageAccessible::HelpPageAccessible(QTextBrowser* page) : QAccessibleWidget(page, QAccessible::Document)
{
}

void HelpPageAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(HelpPageFactory);
        return true;
    }();
    (void)installed;
}

QTextBrowser* HelpPageAccessible::page() const
{
    return static_cast<QTextBrowser*>(widget());
}

void* HelpPageAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State HelpPageAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void HelpPageAccessible::selection(int, int* startOffset, int* endOffset) const
{
    const QTextCursor cursor = page()->textCursor();
    *startOffset = cursor.hasSelection() ? cursor.selectionStart() : 0;
    *endOffset = cursor.hasSelection() ? cursor.selectionEnd() : 0;
}

int HelpPageAccessible::selectionCount() const
{
    return page()->textCursor().hasSelection() ? 1 : 0;
}

void HelpPageAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void HelpPageAccessible::removeSelection(int)
{
    QTextCursor cursor = page()->textCursor();
    cursor.clearSelection();
    page()->setTextCursor(cursor);
}

void HelpPageAccessible::setSelection(int, int startOffset, int endOffset)
{
    QTextCursor cursor(page()->document());
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    page()->setTextCursor(cursor);
}

int HelpPageAccessible::cursorPosition() const
{
    return page()->textCursor().position();
}

void HelpPageAccessible::setCursorPosition(int position)
{
    QTextCursor cursor = page()->textCursor();
    cursor.setPosition(position);
    page()->setTextCursor(cursor);
}

QString HelpPageAccessible::text(int startOffset, int endOffset) const
{
    // Offsets into the document are offsets into its plain text, one character each.
    return page()->document()->toPlainText().mid(startOffset, endOffset - startOffset);
}

int HelpPageAccessible::characterCount() const
{
    return page()->document()->characterCount() - 1;  // without the document's closing separator
}

QRect HelpPageAccessible::characterRect(int offset) const
{
    QTextCursor cursor(page()->document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    QRect place = page()->cursorRect(cursor);
    place.setWidth(page()->fontMetrics().averageCharWidth());
    return QRect(page()->viewport()->mapToGlobal(place.topLeft()), place.size());
}

int HelpPageAccessible::offsetAtPoint(const QPoint& point) const
{
    return page()->cursorForPosition(page()->viewport()->mapFromGlobal(point)).position();
}

void HelpPageAccessible::scrollToSubstring(int startIndex, int)
{
    setCursorPosition(startIndex);
    page()->ensureCursorVisible();
}

QString HelpPageAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}
