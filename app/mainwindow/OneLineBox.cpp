#include "OneLineBox.h"

#include "LongLineField.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextDocument>
#include <QTimer>

#include <utility>

OneLineBox::OneLineBox(QLineEdit* edit) : QObject(edit), m_edit(edit), m_field(new LongLineField(edit->parentWidget()))
{
    m_field->setObjectName(edit->objectName() + QStringLiteral("_long"));
    m_field->setAccessibleName(edit->accessibleName());
    m_field->setFont(edit->font());
    m_field->setPalette(edit->palette());
    m_field->setGeometry(edit->geometry());
    m_field->hide();
    // Tab goes from the line edit's place to the field while the line edit is hidden.
    QWidget::setTabOrder(edit, m_field);
    // Hidden, it is nothing to tab to: assistive tools would offer it as a second box.
    // (After the tab order: Qt leaves a widget that takes no focus out of it.)
    m_field->setFocusPolicy(Qt::NoFocus);
    edit->installEventFilter(this);
    m_field->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this] {
        if (!m_long && tooLong(m_edit->text().size()))
            recheckLater();
    });
    connect(m_field, &QPlainTextEdit::textChanged, this, [this] {
        if (m_long && !tooLong(m_field->textLength()))
            recheckLater();
    });
}

bool OneLineBox::tooLong(qsizetype length)
{
    return length > LongLineLength;
}

QString OneLineBox::text() const
{
    return m_long ? m_field->widgetText() : m_edit->text();
}

void OneLineBox::setText(const QString& text)
{
    show(tooLong(text.size()), text, text.size(), true);
}

void OneLineBox::undo()
{
    if (m_long ? m_field->document()->isUndoAvailable() : m_edit->isUndoAvailable()) {
        m_long ? m_field->undo() : m_edit->undo();
        return;
    }
    // The other form as it was left: the same text, with the edits before it to undo.
    if (m_long ? !m_edit->isUndoAvailable() || m_edit->text() != m_field->widgetText()
               : !m_field->document()->isUndoAvailable() || m_field->widgetText() != m_edit->text())
        return;
    show(!m_long, text(), m_long ? m_field->textPosition(m_field->textCursor().position()) : m_edit->cursorPosition());
    m_long ? m_field->undo() : m_edit->undo();
}

void OneLineBox::redo()
{
    if (m_long ? m_field->document()->isRedoAvailable() : m_edit->isRedoAvailable()) {
        m_long ? m_field->redo() : m_edit->redo();
        return;
    }
    if (m_long ? !m_edit->isRedoAvailable() || m_edit->text() != m_field->widgetText()
               : !m_field->document()->isRedoAvailable() || m_field->widgetText() != m_edit->text())
        return;
    show(!m_long, text(), m_long ? m_field->textPosition(m_field->textCursor().position()) : m_edit->cursorPosition());
    m_long ? m_field->redo() : m_edit->redo();
}

bool OneLineBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
        if (m_edit->isReadOnly())
            return false;
        key->matches(QKeySequence::Undo) ? undo() : redo();
        return true;
    }
    return watched == m_edit && key->matches(QKeySequence::Paste) && pasteIntoField();
}

bool OneLineBox::pasteIntoField()
{
    // A paste that makes the text too long goes straight to the field: the line edit would
    // lay all of it out once first.
    if (m_long || m_edit->isReadOnly() ||
        !tooLong(m_edit->text().size() + QGuiApplication::clipboard()->text().size()))
        return false;
    const int start = m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
    const int end = m_edit->hasSelectedText() ? m_edit->selectionEnd() : start;
    show(true, m_edit->text(), start);
    QTextCursor selection = m_field->textCursor();
    selection.setPosition(m_field->shownPosition(end), QTextCursor::KeepAnchor);
    m_field->setTextCursor(selection);
    m_field->paste();
    return true;
}

void OneLineBox::recheckLater()
{
    // Not within the edit itself: both widgets are still busy with it.
    if (std::exchange(m_recheckDue, true))
        return;
    QTimer::singleShot(0, this, &OneLineBox::recheck);
}

void OneLineBox::recheck()
{
    m_recheckDue = false;
    if (m_long && !tooLong(m_field->textLength()))
        show(false, m_field->widgetText(), m_field->textPosition(m_field->textCursor().position()));
    else if (!m_long && tooLong(m_edit->text().size()))
        show(true, m_edit->text(), m_edit->cursorPosition());
}

void OneLineBox::show(bool longForm, const QString& text, qsizetype cursor, bool fresh)
{
    const bool swap = longForm != m_long;
    const bool focused = m_edit->hasFocus();  // the field's focus too, through the proxy
    m_long = longForm;
    // The new form takes the text first: whoever hears of the change reads it there. A form
    // that holds it already keeps its history; the other keeps its own for an undo to return.
    // A new text starts both histories again: neither may lead back to another text.
    if (longForm) {
        if (fresh || m_field->textLength() != text.size() || m_field->widgetText() != text)
            m_field->setWidgetText(text);
        if (fresh)
            m_edit->setText(QString());
        QTextCursor moved = m_field->textCursor();
        moved.setPosition(m_field->shownPosition(cursor));
        m_field->setTextCursor(moved);
    } else {
        if (fresh || m_edit->text() != text)
            m_edit->setText(text);
        if (fresh)
            m_field->setWidgetText(QString());
        m_edit->setCursorPosition(static_cast<int>(cursor));
    }
    if (!swap)
        return;
    // The form coming takes the focus before the other hides, which would pass it on.
    QWidget* coming = longForm ? static_cast<QWidget*>(m_field) : m_edit;
    QWidget* going = longForm ? static_cast<QWidget*>(m_edit) : m_field;
    // Focusable before it becomes the proxy, which keeps it in the tab order behind the edit.
    m_field->setFocusPolicy(longForm ? Qt::StrongFocus : Qt::NoFocus);
    m_edit->setFocusProxy(longForm ? m_field : nullptr);
    coming->setVisible(true);
    if (focused)
        coming->setFocus();
    going->setVisible(false);
    if (longForm)
        m_field->ensureCursorVisible();
}
