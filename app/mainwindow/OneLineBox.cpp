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
    show(tooLong(text.size()), text, text.size());
}

bool OneLineBox::eventFilter(QObject* watched, QEvent* event)
{
    // A paste that makes the text too long goes straight to the field: the line edit would
    // lay all of it out once first.
    if (event->type() != QEvent::KeyPress || m_long || m_edit->isReadOnly() ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
        return QObject::eventFilter(watched, event);
    if (!tooLong(m_edit->text().size() + QGuiApplication::clipboard()->text().size()))
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
    if (m_long && !tooLong(m_field->textLength())) {
        // A text no longer than one piece holds no splits: the cursor's place is its position.
        show(false, m_field->widgetText(), m_field->textCursor().position());
    } else if (!m_long && tooLong(m_edit->text().size())) {
        show(true, m_edit->text(), m_edit->cursorPosition());
    }
}

void OneLineBox::show(bool longForm, const QString& text, qsizetype cursor)
{
    const bool swap = longForm != m_long;
    const bool focused = m_edit->hasFocus();  // the field's focus too, through the proxy
    m_long = longForm;
    // The new form takes the text first: whoever hears of the change reads it there.
    if (longForm) {
        m_field->setWidgetText(text);
        QTextCursor moved = m_field->textCursor();
        moved.setPosition(m_field->shownPosition(cursor));
        m_field->setTextCursor(moved);
        m_edit->clear();
    } else {
        m_edit->setText(text);
        m_edit->setCursorPosition(static_cast<int>(cursor));
        if (m_field->document()->characterCount() > 1)
            m_field->setWidgetText(QString());
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
