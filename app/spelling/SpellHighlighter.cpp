#include "SpellHighlighter.h"

#include "LongLine.h"
#include "MisspelledFormat.h"
#include "SpellService.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

namespace {
// An edit larger than this (a load, a big paste) leaves the checking to the part in view.
constexpr int SmallEdit = 4096;
constexpr int MostLinesAtOnce = 64;
// How far around an edit in a long line the words are checked again.
constexpr qsizetype Around = 256;

// from moved back and to moved on so that neither cuts a word, a tag or an address.
void widen(QStringView text, qsizetype& from, qsizetype& to, bool startsInTag)
{
    const qsizetype floor = std::max<qsizetype>(0, from - 1024);
    while (from > floor && !text[from - 1].isSpace())
        --from;
    // Inside a tag, the tag's start, however long its attribute text.
    if (const std::optional<qsizetype> open = TagAround(text, from, startsInTag))
        from = *open;
    const qsizetype ceiling = std::min(text.size(), to + 1024);
    while (to < ceiling && !text[to].isSpace())
        ++to;
}
} // namespace

SpellHighlighter::SpellHighlighter(QPlainTextEdit* edit, SpellService& service, std::function<bool(int)> continuesLine)
    : QObject(edit), m_edit(edit), m_service(service), m_continuesLine(std::move(continuesLine))
{
    connect(edit->document(), &QTextDocument::contentsChange, this, &SpellHighlighter::contentsChanged);
    connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, this, &SpellHighlighter::scheduleVisible);
    connect(edit->horizontalScrollBar(), &QScrollBar::valueChanged, this, &SpellHighlighter::scheduleVisible);
    connect(&service, &SpellService::changed, this, &SpellHighlighter::recheckAll);
    edit->viewport()->installEventFilter(this);
}

QList<SpellingWord> SpellHighlighter::marks(const QTextBlock& block)
{
    QList<SpellingWord> words;
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        words.append({range.start, range.length});
    return words;
}

bool SpellHighlighter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        scheduleVisible();
    return QObject::eventFilter(watched, event);
}

void SpellHighlighter::contentsChanged(int position, int removed, int added)
{
    if (!m_service.ready())
        return;  // the marks come with the dictionary
    if (added > SmallEdit) {
        recheckAll();
        return;
    }
    QTextDocument* document = m_edit->document();
    const QTextBlock last = document->findBlock(position + added);
    int lines = 0;
    for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
        if (++lines > MostLinesAtOnce) {
            recheckAll();
            return;
        }
        const qsizetype length = block.length() - 1;
        if (length > LongLineLength) {
            // Only the words around the edit; the marks after it move along.
            const qsizetype at = std::max<qsizetype>(position - block.position(), 0);
            const qsizetype end = std::clamp<qsizetype>(position + added - block.position(), at, length);
            if (block.contains(position))
                setMarks(block, ShiftedMarks(marks(block), at, removed, added));
            checkSpan(block, std::max<qsizetype>(0, at - Around), std::min(length, end + Around));
            QTextBlock(block).setUserState(-1);
        } else {
            checkSpan(block, 0, length);
            QTextBlock(block).setUserState(m_stamp);
        }
        if (block == last)
            break;
    }
    // The edit may have opened or closed a tag that the rest of the line, in the next block, is in.
    const QTextBlock next = last.next();
    if (next.isValid() && continuesLine(next)) {
        const qsizetype close = next.text().indexOf(u'>');
        checkSpan(next, 0, close < 0 ? next.length() - 1 : close + 1);
    }
}

bool SpellHighlighter::continuesLine(const QTextBlock& block) const
{
    return m_continuesLine && block.position() > 0 && m_continuesLine(block.position());
}

bool SpellHighlighter::startsInTag(const QTextBlock& block) const
{
    // Back through the pieces of the line to the last ">" or the start of the line.
    for (QTextBlock piece = block; continuesLine(piece);) {
        piece = piece.previous();
        const QString text = piece.text();
        if (TagAround(text, text.size()))
            return true;
        if (text.contains(u'>'))
            return false;
    }
    return false;
}

void SpellHighlighter::recheckAll()
{
    m_stamp = m_stamp % 0x3fffffff + 1;
    scheduleVisible();
}

void SpellHighlighter::scheduleVisible()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &SpellHighlighter::checkVisibleNow);
}

void SpellHighlighter::checkVisibleNow()
{
    m_scheduled = false;
    if (m_edit->document()->isEmpty() || !m_service.ready())
        return;
    const QWidget* view = m_edit->viewport();
    const int first = m_edit->cursorForPosition(QPoint(0, 0)).position();
    const int last = m_edit->cursorForPosition(QPoint(view->width(), view->height())).position();
    for (QTextBlock block = m_edit->document()->findBlock(first); block.isValid() && block.position() <= last;
         block = block.next()) {
        const qsizetype length = block.length() - 1;
        if (length > LongLineLength) {
            checkSpan(block, std::max(0, first - block.position()), std::min<qsizetype>(length, last - block.position()));
        } else if (block.userState() != m_stamp) {
            checkSpan(block, 0, length);
            QTextBlock(block).setUserState(m_stamp);
        }
    }
}

void SpellHighlighter::checkSpan(const QTextBlock& block, qsizetype from, qsizetype to)
{
    const QString text = block.text();
    const bool inTag = startsInTag(block);
    widen(text, from, to, inTag);
    QList<SpellingWord> fresh;
    for (SpellingWord word : FindSpellingWords(QStringView(text).sliced(from, to - from), inTag && from == 0)) {
        word.start += from;
        if (m_service.misspelled(QStringView(text).sliced(word.start, word.length)))
            fresh.append(word);
    }
    const QList<SpellingWord> old = marks(block);
    setMarks(block, from == 0 && to == text.size() ? fresh : ReplacedMarks(old, from, to, fresh));
}

void SpellHighlighter::setMarks(const QTextBlock& block, const QList<SpellingWord>& words)
{
    QTextLayout* layout = block.layout();
    if (words == marks(block))
        return;
    static const QTextCharFormat format = MisspelledFormat();
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(words.size());
    for (const SpellingWord& word : words)
        ranges.append({static_cast<int>(word.start), static_cast<int>(word.length), format});
    layout->setFormats(ranges);
    // The line is laid out and painted again; the text itself has not changed.
    m_edit->document()->markContentsDirty(block.position(), block.length());
}
