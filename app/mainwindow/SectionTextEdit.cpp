#include "SectionTextEdit.h"

#include "PasteAsStoreTags.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {
// The text's usual distance from the box's edges.
constexpr int TextMargin = 4;

bool endsLine(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// The mark of a piece that continues the line before it.
constexpr int PieceProperty = QTextFormat::UserProperty + 1;

bool isPiece(const QTextBlock& block)
{
    return block.blockFormat().boolProperty(PieceProperty);
}

QTextBlockFormat pieceFormat()
{
    QTextBlockFormat format;
    format.setProperty(PieceProperty, true);
    return format;
}

qsizetype longestLine(const QString& text)
{
    qsizetype longest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !endsLine(text[i]))
            continue;
        longest = std::max(longest, i - start);
        start = i + 1;
    }
    return longest;
}
} // namespace

SectionTextEdit::SectionTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    // A word wider than the box breaks where it must, instead of running out of sight.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    connect(document(), &QTextDocument::contentsChange, this, &SectionTextEdit::contentsChange);
}

void SectionTextEdit::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    fitWholeLines();
}

void SectionTextEdit::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWholeLines();
}

void SectionTextEdit::fitWholeLines()
{
    // A box two lines high has no room for the margin above and below its text: the usual
    // margin would cut its second line in half. Above and below, the text gets what the
    // whole lines leave over; beside it, the usual margin stays.
    const int line = fontMetrics().lineSpacing();
    const int room = height() - 2 * frameWidth();
    const int vertical = line > 0 ? std::min(TextMargin, (room % line) / 2) : TextMargin;
    if (document()->documentMargin() != vertical) {
        // The document would report a new margin as a change of its contents, and the box's
        // listeners (its owner, the spelling) would read a text that is the same.
        const QSignalBlocker quiet(document());
        document()->setDocumentMargin(vertical);
    }
    setViewportMargins(TextMargin - vertical, 0, TextMargin - vertical, 0);
}

QString SectionTextEdit::SplitLongLines(const QString& text, std::vector<int>& splits)
{
    splits.clear();
    QString shown;
    qsizetype copied = 0;
    qsizetype lineStart = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && !endsLine(text[i]))
            continue;
        // text[lineStart, i) is one line.
        qsizetype start = lineStart;
        while (i - start > LongLineLength) {
            qsizetype cut = start + LongLineLength;
            // After the last blank of the second half, so that words stay whole.
            const qsizetype blank = QStringView(text).sliced(start + LongLineLength / 2, LongLineLength / 2).lastIndexOf(u' ');
            if (blank >= 0)
                cut = start + LongLineLength / 2 + blank + 1;
            else if (text[cut - 1].isHighSurrogate())
                --cut;
            if (shown.isEmpty())
                shown.reserve(n + n / LongLineLength + 1);
            shown.append(QStringView(text).sliced(copied, cut - copied));
            splits.push_back(static_cast<int>(shown.size()));
            shown.append(u'\n');
            copied = cut;
            start = cut;
        }
        lineStart = i + 1;
    }
    if (splits.empty())
        return text;
    shown.append(QStringView(text).sliced(copied));
    return shown;
}

void SectionTextEdit::setWidgetText(const QString& text)
{
    std::vector<int> splits;
    const QString shown = SplitLongLines(text, splits);
    // Known before the widget announces its new text, so that readers already see it whole.
    m_splits = std::move(splits);
    m_setting = true;
    setPlainText(shown);
    if (!m_splits.empty()) {
        // Marking the pieces is part of the new text, not an edit to undo.
        document()->setUndoRedoEnabled(false);
        markPieces();
        document()->setUndoRedoEnabled(true);
    }
    m_setting = false;
}

void SectionTextEdit::markPieces()
{
    const QTextBlockFormat piece = pieceFormat();
    for (const int split : m_splits) {
        QTextCursor cursor(document()->findBlock(split + 1));
        cursor.mergeBlockFormat(piece);
    }
}

qsizetype SectionTextEdit::findSplits(int from, int to)
{
    qsizetype found = 0;
    QTextBlock block = document()->findBlock(from + 1);
    if (block.isValid() && block.position() <= from)
        block = block.next();
    for (; block.isValid() && block.position() <= to; block = block.next()) {
        if (!isPiece(block))
            continue;
        const int split = block.position() - 1;
        m_splits.insert(std::lower_bound(m_splits.begin(), m_splits.end(), split), split);
        ++found;
    }
    return found;
}

void SectionTextEdit::keyPressEvent(QKeyEvent* event)
{
    QTextCursor cursor = textCursor();
    if (isReadOnly() || cursor.hasSelection()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // A key that deletes acts on the character the author sees beside the cursor, never on
    // a split alone, which would change nothing in sight.
    const bool plain = !(event->modifiers() & ~Qt::ShiftModifier);
    int at = cursor.position();
    if ((event->key() == Qt::Key_Backspace && plain) || event->matches(QKeySequence::DeleteStartOfWord)) {
        while (at > 0 && isSplit(at - 1))
            --at;
    } else if (event->matches(QKeySequence::Delete) || event->matches(QKeySequence::DeleteEndOfWord)) {
        while (isSplit(at))
            ++at;
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain &&
               !(event->modifiers() & Qt::ShiftModifier) && isPiece(cursor.block())) {
        // A new line is a line of the author's, not a piece: it takes no mark with it.
        cursor.insertBlock(QTextBlockFormat());
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    if (at != cursor.position()) {
        cursor.setPosition(at);
        setTextCursor(cursor);
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SectionTextEdit::pasteText(const QString& text)
{
    QMimeData data;
    data.setText(text);
    insertFromMimeData(&data);
}

void SectionTextEdit::insertFromMimeData(const QMimeData* source)
{
    // Formatted text arrives as the store's tags; where there is only HTML, its text still does.
    if (source && source->hasHtml() && !isReadOnly())
        return pasteText(PasteAsStoreTags::PastedText(*source, false));
    if (!source || !source->hasText() || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString pasted = source->text();
    pasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QTextCursor cursor = textCursor();
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    const bool breaks = std::any_of(pasted.cbegin(), pasted.cend(), endsLine);
    // The widget's own paste would give each new line the piece's mark, and lay a long line
    // out whole.
    if (longestLine(pasted) + first.length() + last.length() <= LongLineLength && !(breaks && isPiece(first))) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    insertPieces(pasted);
    ensureCursorVisible();
}

void SectionTextEdit::insertPieces(const QString& text)
{
    QTextCursor cursor = textCursor();
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    // The lines the selection touches are made again with the text in it: one layout of
    // pieces instead of one of a paragraph of megabytes, and one edit to undo.
    const int from = first.position();
    const QString before = first.text().left(cursor.selectionStart() - from);
    const QString whole = before + text + last.text().mid(cursor.selectionEnd() - last.position());
    std::vector<int> splits;
    const QString shown = SplitLongLines(whole, splits);
    const QTextBlockFormat piece = pieceFormat();
    cursor.beginEditBlock();
    cursor.setPosition(from);
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    qsizetype at = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!endsLine(shown[i]))
            continue;
        cursor.insertText(shown.sliced(at, i - at));
        cursor.insertBlock(std::binary_search(splits.begin(), splits.end(), int(i)) ? piece : QTextBlockFormat());
        at = i + 1;
    }
    cursor.insertText(shown.sliced(at));
    cursor.endEditBlock();
    // Just after the inserted text, past the splits that come before it.
    const qsizetype end = before.size() + text.size();
    qsizetype position = end;
    for (size_t i = 0; i < splits.size() && splits[i] - qsizetype(i) < end; ++i)
        ++position;
    cursor.setPosition(from + static_cast<int>(position));
    setTextCursor(cursor);
}

QString SectionTextEdit::withoutSplits(const QString& text, int from, int to) const
{
    auto split = std::lower_bound(m_splits.begin(), m_splits.end(), from);
    if (split == m_splits.end() || *split >= to)
        return text.mid(from, to - from);
    QString whole;
    whole.reserve(to - from);
    int at = from;
    for (; split != m_splits.end() && *split < to; ++split) {
        whole.append(QStringView(text).sliced(at, *split - at));
        at = *split + 1;
    }
    whole.append(QStringView(text).sliced(at, to - at));
    return whole;
}

QString SectionTextEdit::widgetText() const
{
    QString raw = document()->toRawText();
    if (m_splits.empty())
        return raw;
    // In place: this runs on every key, over what may be megabytes.
    QChar* const text = raw.data();
    qsizetype to = m_splits.front();
    for (size_t k = 0; k < m_splits.size(); ++k) {
        const qsizetype from = m_splits[k] + 1;
        const qsizetype end = k + 1 < m_splits.size() ? m_splits[k + 1] : raw.size();
        std::copy(text + from, text + end, text + to);
        to += end - from;
    }
    raw.truncate(to);
    return raw;
}

QMimeData* SectionTextEdit::createMimeDataFromSelection() const
{
    // The text alone: what a box holds is the store's markup as typed, and the rich form Qt
    // would add beside it would paste back as escaped text in the box's own bold or plain.
    const QTextCursor cursor = textCursor();
    QString text = withoutSplits(document()->toRawText(), cursor.selectionStart(), cursor.selectionEnd());
    text.replace(QChar::ParagraphSeparator, u'\n');
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

SectionTextEdit::Change SectionTextEdit::takeChange()
{
    return std::exchange(m_change, Change::None);
}

void SectionTextEdit::note(Change change)
{
    if (change == Change::Unknown || m_change == Change::Unknown)
        m_change = Change::Unknown;
    else if (change == Change::Some)
        m_change = Change::Some;
}

void SectionTextEdit::contentsChange(int position, int removed, int added)
{
    if (m_setting) {
        note(Change::Unknown);
        return;
    }
    // Equal counts are also what a change of formats reports.
    if (removed == added)
        note(Change::Unknown);
    // The range reported may be wider than what changed; the marks tell which separators in
    // it are splits, whether they stayed, came with an undo or with a paste.
    const auto first = std::lower_bound(m_splits.begin(), m_splits.end(), position);
    const auto last = std::lower_bound(first, m_splits.end(), position + removed);
    const qsizetype gone = last - first;
    const auto after = m_splits.erase(first, last);
    for (auto split = after; split != m_splits.end(); ++split)
        *split += added - removed;
    const qsizetype found = findSplits(position, position + added);
    // Taking away or putting back nothing but splits leaves the text as it was.
    if (removed != added)
        note(removed == gone && added == found ? Change::None : Change::Some);
}
