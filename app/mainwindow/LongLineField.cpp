#include "LongLineField.h"

#include "OneLineText.h"
#include "PasteAsStoreTags.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include <algorithm>

LongLineField::LongLineField(QWidget* parent) : SectionTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    // A line edit's own margin, so the text starts where it did before the box grew long.
    document()->setDocumentMargin(2);
}

int LongLineField::shownPosition(qsizetype position) const
{
    qsizetype shown = position;
    for (int split : splits()) {
        if (split >= shown)
            break;
        ++shown;
    }
    return static_cast<int>(shown);
}

qsizetype LongLineField::textPosition(int shown) const
{
    const auto& all = splits();
    return shown - (std::lower_bound(all.begin(), all.end(), shown) - all.begin());
}

qsizetype LongLineField::textLength() const
{
    return document()->characterCount() - 1 - splitCount();
}

void LongLineField::keyPressEvent(QKeyEvent* event)
{
    // Enter means what it means in a line edit: nothing to the text.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    // A separator typed (from an input method or a keyboard layout) is a space too; the
    // other breaks are control characters, which no key types.
    if (const QString typed = event->text();
        typed.contains(QChar::LineSeparator) || typed.contains(QChar::ParagraphSeparator)) {
        QKeyEvent flat(event->type(), event->key(), event->modifiers(), BreaksAsSpaces(typed), event->isAutoRepeat(),
                       static_cast<quint16>(event->count()));
        SectionTextEdit::keyPressEvent(&flat);
        event->setAccepted(flat.isAccepted());
        return;
    }
    // Home and End go to the ends of the whole line, not of the piece in view.
    const auto anchor = event->matches(QKeySequence::SelectStartOfLine) || event->matches(QKeySequence::SelectEndOfLine)
                            ? QTextCursor::KeepAnchor
                            : QTextCursor::MoveAnchor;
    if (event->matches(QKeySequence::MoveToStartOfLine) || event->matches(QKeySequence::SelectStartOfLine))
        moveCursor(QTextCursor::Start, anchor);
    else if (event->matches(QKeySequence::MoveToEndOfLine) || event->matches(QKeySequence::SelectEndOfLine))
        moveCursor(QTextCursor::End, anchor);
    else
        SectionTextEdit::keyPressEvent(event);
}

void LongLineField::insertFromMimeData(const QMimeData* source)
{
    if (!source || (!source->hasText() && !source->hasHtml())) {
        SectionTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData flat;
    flat.setText(BreaksAsSpaces(PasteAsStoreTags::PastedText(*source, false)));
    SectionTextEdit::insertFromMimeData(&flat);
}

void LongLineField::inputMethodEvent(QInputMethodEvent* event)
{
    if (const QString committed = event->commitString(); BreaksAsSpaces(committed) != committed)
        event->setCommitString(BreaksAsSpaces(committed), event->replacementStart(), event->replacementLength());
    SectionTextEdit::inputMethodEvent(event);
}

void LongLineField::resizeEvent(QResizeEvent* event)
{
    // One line in view, in the middle of the box as a line edit has it.
    const int line = fontMetrics().height() + 2 * static_cast<int>(document()->documentMargin());
    const int spare = std::max(0, height() - line);
    setViewportMargins(0, spare / 2, 0, spare - spare / 2);
    SectionTextEdit::resizeEvent(event);
}
