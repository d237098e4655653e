#include "LongLineField.h"

#include "PasteAsStoreTags.h"

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
    QString text = PasteAsStoreTags::PastedText(*source, false);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QMimeData flat;
    flat.setText(text);
    SectionTextEdit::insertFromMimeData(&flat);
}

void LongLineField::resizeEvent(QResizeEvent* event)
{
    // One line in view, in the middle of the box as a line edit has it.
    const int line = fontMetrics().height() + 2 * static_cast<int>(document()->documentMargin());
    const int spare = std::max(0, height() - line);
    setViewportMargins(0, spare / 2, 0, spare - spare / 2);
    SectionTextEdit::resizeEvent(event);
}
