#include "SectionTextEdit.h"

#include "PasteAsStoreTags.h"

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
    m_setting = false;
    setUndoRedoEnabled(m_splits.empty());
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
    if (source && source->hasHtml())
        return pasteText(PasteAsStoreTags::PastedText(*source, false));
    QString pasted = source && source->hasText() ? source->text() : QString();
    std::vector<int> splits;
    SplitLongLines(pasted, splits);
    if (splits.empty() || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // The whole text again, with the paste in place of the selection: one layout of pieces
    // instead of one of a paragraph of megabytes.
    pasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QTextCursor cursor = textCursor();
    const QString raw = document()->toRawText();
    const QString before = withoutSplits(raw, 0, cursor.selectionStart());
    const QString after = withoutSplits(raw, cursor.selectionEnd(), static_cast<int>(raw.size()));
    const auto toNewline = [](QString text) { return text.replace(QChar::ParagraphSeparator, u'\n'); };
    setWidgetText(toNewline(before) + pasted + toNewline(after));
    // Back to just after the pasted text, past the splits that come before it.
    const qsizetype end = before.size() + pasted.size();
    qsizetype shown = end;
    for (size_t i = 0; i < m_splits.size() && m_splits[i] - qsizetype(i) < end; ++i)
        ++shown;
    QTextCursor moved(document());
    moved.setPosition(static_cast<int>(shown));
    setTextCursor(moved);
    ensureCursorVisible();
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
    if (m_splits.empty()) {
        if (removed != added)
            note(Change::Some);
        return;
    }
    auto first = std::lower_bound(m_splits.begin(), m_splits.end(), position);
    auto last = std::lower_bound(first, m_splits.end(), position + removed);
    // The range reported may be wider than what changed: a split still in its place, within
    // what the range holds now, stays a split.
    const QTextDocument* doc = document();
    const auto gone = std::remove_if(first, last, [doc, position, added](int split) {
        return split >= position + added || doc->characterAt(split) != QChar::ParagraphSeparator;
    });
    // Taking away nothing but splits leaves the text as it was.
    if (removed != added)
        note(added == 0 && last - gone == removed ? Change::None : Change::Some);
    const auto after = m_splits.erase(gone, last);
    for (auto split = after; split != m_splits.end(); ++split)
        *split += added - removed;
}
