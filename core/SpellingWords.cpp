#include "SpellingWords.h"

#include <optional>

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

// Where an address or similar run ends: at a blank or at what cannot be part of a link.
bool endsRun(QChar c)
{
    return c.isSpace() || c == u'<' || c == u'>' || c == u'"' || c == u'(' || c == u')' || c == u'[' ||
           c == u']';
}

// Whether the "<" at at starts a tag: a letter or "-" after it, or after its "/" or "!".
bool opensTag(QStringView text, qsizetype at)
{
    qsizetype i = at + 1;
    if (i < text.size() && (text[i] == u'/' || text[i] == u'!'))
        ++i;
    return i < text.size() && (isAsciiLetter(text[i]) || text[i] == u'-');
}

// A tag from its "<": "<b>", "</i>", "<a href=...>", "<!-- ... >"; up to its ">" or the end.
// Nothing when the "<" starts no tag, as in "3 < 4".
std::optional<qsizetype> tagEnd(QStringView text, qsizetype at)
{
    if (!opensTag(text, at))
        return std::nullopt;
    const qsizetype close = text.indexOf(u'>', at + 1);
    return close < 0 ? text.size() : close + 1;
}

// An entity from its "&": "&amp;", "&#8212;", "&#x2014;", also without its ";".
std::optional<qsizetype> entityEnd(QStringView text, qsizetype at)
{
    qsizetype i = at + 1;
    if (i < text.size() && text[i] == u'#')
        ++i;
    const qsizetype nameStart = i;
    while (i < text.size() && i - nameStart < 32 && text[i].unicode() < 128 && text[i].isLetterOrNumber())
        ++i;
    if (i == nameStart)
        return std::nullopt;
    if (i < text.size() && text[i] == u';')
        ++i;
    return i;
}

// The run of non-blank characters from at, when it is a web or e-mail address.
std::optional<qsizetype> addressEnd(QStringView text, qsizetype at)
{
    qsizetype end = at;
    while (end < text.size() && !endsRun(text[end]))
        ++end;
    const QStringView run = text.sliced(at, end - at);
    if (run.contains(u"://") || run.startsWith(u"www.", Qt::CaseInsensitive) ||
        run.startsWith(u"mailto:", Qt::CaseInsensitive))
        return end;
    // name@host.domain
    const qsizetype atSign = run.indexOf(u'@');
    if (atSign > 0 && run.indexOf(u'.', atSign) > atSign + 1)
        return end;
    // host.domain/...: a dot between letters, lower-case letters after the last dot
    const qsizetype dot = run.lastIndexOf(u'.', run.size() - 2);
    if (dot > 0 && isWordChar(run[dot - 1])) {
        QStringView tld = run.sliced(dot + 1);
        while (!tld.isEmpty() && !isWordChar(tld.back()) && tld.back() != u'/')
            tld.chop(1);
        const qsizetype slash = tld.indexOf(u'/');
        if (slash >= 0)
            tld = tld.first(slash);
        const bool domain = tld.size() >= 2 && std::all_of(tld.begin(), tld.end(), [](QChar c) {
            return (c >= u'a' && c <= u'z');
        });
        if (domain && (slash >= 0 || run.first(dot).contains(u'.') || tld.size() <= 4))
            return end;
    }
    return std::nullopt;
}

bool worthChecking(QStringView word)
{
    bool lower = false;
    for (QChar c : word) {
        if (c.isDigit() || c.isNumber())
            return false;
        if (c.isLower())
            lower = true;
    }
    // Words in capitals are names and abbreviations far more often than mistakes.
    return lower;
}

} // namespace

QList<SpellingWord> FindSpellingWords(QStringView text, bool startsInTag)
{
    QList<SpellingWord> words;
    const qsizetype n = text.size();
    bool runStart = true;  // at the start of a run of non-blank characters
    qsizetype i = 0;
    if (startsInTag) {
        const qsizetype close = text.indexOf(u'>');
        i = close < 0 ? n : close + 1;
    }
    while (i < n) {
        const QChar c = text[i];
        if (c == u'<') {
            if (const auto end = tagEnd(text, i)) {
                i = *end;
                runStart = true;
                continue;
            }
        } else if (c == u'&') {
            if (const auto end = entityEnd(text, i)) {
                i = *end;
                continue;
            }
        }
        if (runStart && !endsRun(c)) {
            runStart = false;
            if (const auto end = addressEnd(text, i)) {
                i = *end;
                runStart = true;
                continue;
            }
        }
        if (endsRun(c))
            runStart = true;
        if (!isWordChar(c)) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n && (isWordChar(text[i]) ||
                         (isApostrophe(text[i]) && i + 1 < n && isWordChar(text[i + 1]) && i > start)))
            ++i;
        const QStringView word = text.sliced(start, i - start);
        if (worthChecking(word))
            words.append({start, i - start});
    }
    return words;
}

std::optional<qsizetype> TagAround(QStringView text, qsizetype at, bool startsInTag)
{
    // A tag ends at the first ">" after its "<": one that holds at opened after the last ">" before it.
    const QStringView before = text.first(at);
    const qsizetype close = before.lastIndexOf(u'>');
    for (qsizetype open = before.indexOf(u'<', close + 1); open >= 0; open = before.indexOf(u'<', open + 1)) {
        if (opensTag(text, open))
            return open;
    }
    if (startsInTag && close < 0 && at > 0)
        return 0;
    return std::nullopt;
}

std::optional<SpellingWord> SpellingWordAt(QStringView text, qsizetype at)
{
    for (const SpellingWord& word : FindSpellingWords(text)) {
        if (at < word.start)
            break;
        if (at <= word.end())
            return word;
    }
    return std::nullopt;
}

QList<SpellingWord> ShiftedMarks(const QList<SpellingWord>& marks, qsizetype position, qsizetype removed,
                                 qsizetype added)
{
    QList<SpellingWord> shifted;
    for (SpellingWord mark : marks) {
        if (mark.end() < position) {
            shifted.append(mark);
        } else if (mark.start > position + removed) {
            mark.start += added - removed;
            shifted.append(mark);
        }
    }
    return shifted;
}

QList<SpellingWord> ReplacedMarks(const QList<SpellingWord>& marks, qsizetype from, qsizetype to,
                                  const QList<SpellingWord>& fresh)
{
    QList<SpellingWord> result;
    qsizetype next = 0;
    for (const SpellingWord& mark : marks) {
        if (mark.end() <= from) {
            result.append(mark);
            continue;
        }
        if (mark.start < to)
            continue;
        for (; next < fresh.size(); ++next)
            result.append(fresh[next]);
        result.append(mark);
    }
    for (; next < fresh.size(); ++next)
        result.append(fresh[next]);
    return result;
}
