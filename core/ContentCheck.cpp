#include "ContentCheck.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <bitset>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace {

using PatternSet = std::bitset<MaxContentPatterns>;

// A word as the pre-filter knows it: its first letters, lower-cased, packed in base 27. A
// longer word shares the key of its beginning, which only lets a pattern run once more.
constexpr int KeyLetters = 12;

constexpr quint64 addLetter(quint64 key, char16_t lower)
{
    return key * 27 + (lower - u'a' + 1);
}

quint64 wordKey(QLatin1String word)
{
    quint64 key = 0;
    for (qsizetype i = 0; i < std::min<qsizetype>(word.size(), KeyLetters); ++i)
        key = addLetter(key, char16_t(word[i].unicode() | 0x20));
    return key;
}

// Which patterns each word lets run: open addressing over a power-of-two table.
class WordTable {
public:
    void add(quint64 key, const PatternSet& patterns)
    {
        size_t at = slot(key);
        while (m_keys[at] != 0 && m_keys[at] != key)
            at = (at + 1) & (Size - 1);
        m_keys[at] = key;
        m_patterns[at] |= patterns;
    }
    PatternSet find(quint64 key) const
    {
        for (size_t at = slot(key); m_keys[at] != 0; at = (at + 1) & (Size - 1)) {
            if (m_keys[at] == key)
                return m_patterns[at];
        }
        return {};
    }

private:
    static constexpr size_t Size = 4096;  // at most a quarter full
    static size_t slot(quint64 key) { return size_t((key * 0x9E3779B97F4A7C15ull) >> 52) & (Size - 1); }
    std::array<quint64, Size> m_keys{};
    std::array<PatternSet, Size> m_patterns{};
};

struct CompiledPatterns {
    std::vector<QRegularExpression> expressions;  // an invalid one for the keyword run
    std::vector<bool> quotesGroup;
    WordTable words;
    std::vector<bool> needsWord;
    QSet<QString> ignoredRunWords;
};

CompiledPatterns compile(std::span<const ContentPattern> table)
{
    CompiledPatterns made;
    Q_ASSERT(table.size() <= MaxContentPatterns);
    for (size_t i = 0; i < table.size(); ++i) {
        const ContentPattern& pattern = table[i];
        // Each compiles on its first match, into machine code for three kinds of match: a
        // description reaches only the few whose words and signs it holds.
        QRegularExpression expression;
        if (pattern.expression)
            expression.setPattern(QString::fromUtf8(pattern.expression));
        made.quotesGroup.push_back(pattern.expression && QByteArrayView(pattern.expression).contains("(?<w>"));
        made.expressions.push_back(std::move(expression));
        const QByteArrayList words = QByteArray(pattern.words).split(' ');
        bool any = false;
        for (const QByteArray& word : words) {
            if (word.isEmpty())
                continue;
            made.words.add(wordKey(QLatin1String(word)), PatternSet().set(i));
            any = true;
        }
        made.needsWord.push_back(any);
    }
    for (const QByteArray& word : QByteArray(KeywordRunLimitsData().ignoredWords).split(' '))
        made.ignoredRunWords.insert(QString::fromLatin1(word));
    return made;
}

const CompiledPatterns& compiled()
{
    static const CompiledPatterns patterns = compile(ContentPatternTable());
    return patterns;
}

struct LineScan {
    unsigned traits = 0;
    PatternSet patterns;  // those whose words occur
};

constexpr bool isAsciiAlnum(char16_t c)
{
    return (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z');
}

constexpr bool isCurrency(char16_t c)
{
    return (c >= 0xa2 && c <= 0xa5) || (c >= 0x20a0 && c <= 0x20cf);
}

constexpr bool isQuote(char16_t c)
{
    return c == 0x201c || c == 0x201d || c == 0xab || c == 0xbb;
}

constexpr bool isStar(char16_t c)
{
    return c == 0x2605 || c == 0x2606 || c == 0x2b50 || (c >= 0x2729 && c <= 0x2730);
}

// One pass over the line: its traits and the patterns its words allow.
LineScan scanLine(QStringView line, const WordTable& table)
{
    LineScan scan;
    const char16_t* text = line.utf16();
    const qsizetype n = line.size();
    int digits = 0;
    int separators = 0;
    quint64 key = 0;
    int letters = 0;
    const auto endWord = [&] {
        if (letters > 0)
            scan.patterns |= table.find(key);
        key = 0;
        letters = 0;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            const char16_t lower = c | 0x20;
            if (lower >= u'a' && lower <= u'z') {
                if (letters++ < KeyLetters)
                    key = addLetter(key, lower);
                continue;
            }
            endWord();
            if (c >= u'0' && c <= u'9') {
                ++digits;
                continue;
            }
            switch (c) {
            case u'.':
                if (i > 0 && i + 1 < n && isAsciiAlnum(text[i - 1]) && ((text[i + 1] | 0x20) >= u'a' && (text[i + 1] | 0x20) <= u'z'))
                    scan.traits |= DotBeforeLetter;
                break;
            case u'@': scan.traits |= AtSign; break;
            case u'/': scan.traits |= Slash; break;
            case u'"': scan.traits |= QuoteMark; break;
            case u'$': scan.traits |= CurrencySign; break;
            case u'-': scan.traits |= Hyphen; break;
            case u',':
            case u';': ++separators; break;
            default: break;
            }
            continue;
        }
        endWord();
        if (isCurrency(c))
            scan.traits |= c == 0xa2 ? CurrencySign | CentSign : CurrencySign;
        else if (isQuote(c))
            scan.traits |= QuoteMark;
        else if (isStar(c))
            scan.traits |= StarSign;
    }
    endWord();
    if (digits > 0)
        scan.traits |= Digit;
    if (digits >= 7)
        scan.traits |= SevenDigits;
    if (separators > 0)
        scan.traits |= Comma;
    if (separators >= KeywordRunLimitsData().minPhrases - 1)
        scan.traits |= ManyCommas;
    return scan;
}

qsizetype countDigits(QStringView text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A line of short phrases between commas in which the same words keep coming back: written
// for a search engine, not for a reader. A list of different things is prose.
bool isKeywordRun(QStringView line, const CompiledPatterns& patterns)
{
    const KeywordRunLimits& limits = KeywordRunLimitsData();
    QList<QStringView> phrases;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == u',' || line[i] == u';') {
            phrases.append(line.sliced(start, i - start).trimmed());
            start = i + 1;
        }
    }
    if (!phrases.isEmpty() && phrases.last().isEmpty())
        phrases.removeLast();
    if (phrases.size() < limits.minPhrases)
        return false;
    QHash<QString, int> phrasesWithWord;
    std::vector<QStringList> phraseWords;
    for (qsizetype p = 0; p < phrases.size(); ++p) {
        QStringView phrase = phrases[p];
        if (p == phrases.size() - 1)
            phrase = phrase.chopped(phrase.endsWith(u'.') ? 1 : 0);
        const QList<QStringView> words = phrase.split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words.size() > limits.maxWordsPerPhrase)
            return false;
        QStringList counted;
        for (const QStringView word : words) {
            if (word.contains(u'.') || word.contains(u'!') || word.contains(u'?'))
                return false;
            const QString lower = word.toString().toLower();
            if (lower.size() >= limits.minWordLength && !patterns.ignoredRunWords.contains(lower) && !counted.contains(lower))
                counted.append(lower);
        }
        for (const QString& word : counted)
            ++phrasesWithWord[word];
        phraseWords.push_back(std::move(counted));
    }
    int most = 0;
    for (const int count : phrasesWithWord)
        most = std::max(most, count);
    if (most < limits.minRepeats)
        return false;
    // Most phrases share a word with another one.
    const auto sharing = std::count_if(phraseWords.begin(), phraseWords.end(), [&](const QStringList& words) {
        return std::any_of(words.begin(), words.end(), [&](const QString& w) { return phrasesWithWord.value(w) > 1; });
    });
    return sharing * 100 >= qsizetype(phrases.size()) * limits.minSharingPercent;
}

// The finding for `words`, a view into `text` (the line as matched), trimmed as it is quoted
// and marked; its words are taken from `original`, the line as typed, at the same place.
ContentFinding makeFinding(SectionIndex section, int line, int pattern, QStringView original, QStringView text,
                           QStringView words)
{
    const QStringView trimmed = words.trimmed();
    const qsizetype start = trimmed.isEmpty() ? 0 : trimmed.utf16() - text.utf16();
    return {section, line, pattern, original.sliced(start, trimmed.size()).toString(), start, trimmed.size()};
}

// Where the engine gave up: the words from there, as many as a quote shows, never half a
// surrogate pair.
ContentFinding unfinishedFinding(SectionIndex section, int line, int pattern, QStringView text, qsizetype from)
{
    qsizetype length = std::min(text.size() - from, MaxQuotedLength);
    if (length > 0 && from + length < text.size() && text[from + length - 1].isHighSurrogate())
        --length;
    ContentFinding finding{section, line, pattern, text.sliced(from, length).toString(), from, length};
    finding.unfinished = true;
    return finding;
}

struct Hit {
    qsizetype start;
    qsizetype end;
    ContentFinding finding;
};

bool overlapsAny(const std::vector<Hit>& hits, qsizetype start, qsizetype end)
{
    return std::any_of(hits.begin(), hits.end(), [&](const Hit& h) { return start < h.end && h.start < end; });
}

// A lone surrogate is made U+FFFD, in a copy of the same length: the engine then need not
// check the line again at every match (which made a line of many near-misses quadratic).
bool hasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

QString withoutLoneSurrogates(QStringView text)
{
    QString copy = text.toString();
    for (qsizetype i = 0; i < copy.size(); ++i) {
        if (copy[i].isHighSurrogate() && i + 1 < copy.size() && copy[i + 1].isLowSurrogate())
            ++i;
        else if (copy[i].isSurrogate())
            copy[i] = QChar::ReplacementCharacter;
    }
    return copy;
}

void checkLine(SectionIndex section, int line, QStringView original, ContentRuleSet rules,
               std::span<const ContentPattern> table, const CompiledPatterns& patterns, QList<ContentFinding>& findings)
{
    QString repaired;
    QStringView text = original;
    if (hasLoneSurrogate(original)) {
        repaired = withoutLoneSurrogates(original);
        text = repaired;
    }
    const LineScan scan = scanLine(text, patterns.words);
    std::vector<Hit> hits;
    bool unfinished = false;
    const auto full = [&] { return hits.size() >= size_t(MaxContentFindingsPerLine); };
    for (size_t i = 0; i < table.size() && !full(); ++i) {
        const ContentPattern& pattern = table[i];
        if (!rules.has(pattern.rule) || (scan.traits & pattern.needs) != pattern.needs)
            continue;
        if (patterns.needsWord[i] && !scan.patterns.test(i))
            continue;
        const int index = static_cast<int>(i);
        if (!pattern.expression) {
            // A labelled list already named is not a run of phrases as well.
            if (!overlapsAny(hits, 0, text.size()) && isKeywordRun(text, patterns))
                hits.push_back({0, text.size(), makeFinding(section, line, index, original, text, text)});
            continue;
        }
        const QRegularExpression& expression = patterns.expressions[i];
        if (!expression.isValid())
            continue;  // a mistake in the table, which its test names; not the line's fault
        for (qsizetype from = 0; from <= text.size() && !full();) {
            const QRegularExpressionMatch match = expression.match(
                text, from, QRegularExpression::NormalMatch, QRegularExpression::DontCheckSubjectStringMatchOption);
            if (!match.isValid()) {
                // The engine stopped (its match limit, its stack): the rest of the line is not
                // checked, and saying nothing would call it clean.
                if (!unfinished)
                    hits.push_back({from, from, unfinishedFinding(section, line, index, original, from)});
                unfinished = true;
                break;
            }
            if (!match.hasMatch())
                break;
            const qsizetype start = match.capturedStart(0);
            const qsizetype end = match.capturedEnd(0);
            from = end > start ? end : end + 1;
            if (pattern.minDigits > 0) {
                const qsizetype digits = countDigits(match.capturedView(0));
                if (digits < pattern.minDigits || digits > pattern.maxDigits)
                    continue;
            }
            // What an earlier pattern already named is not named twice.
            if (overlapsAny(hits, start, end))
                continue;
            const QStringView words = patterns.quotesGroup[i] ? match.capturedView(u"w") : match.capturedView(0);
            hits.push_back({start, end, makeFinding(section, line, index, original, text, words)});
        }
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.start < b.start; });
    for (Hit& hit : hits)
        findings.append(std::move(hit.finding));
}

} // namespace

void CheckContentLine(SectionIndex section, int line, QStringView text, ContentRuleSet rules,
                      QList<ContentFinding>& findings)
{
    // Nothing to find on an empty line, and the patterns are compiled on first use: the
    // window's empty boxes at start-up cost no compiling (some 64 million instructions).
    if (text.isEmpty())
        return;
    checkLine(section, line, text, rules, ContentPatternTable(), compiled(), findings);
}

void CheckContentLine(SectionIndex section, int line, QStringView text, ContentRuleSet rules,
                      std::span<const ContentPattern> patterns, QList<ContentFinding>& findings)
{
    if (text.isEmpty())
        return;
    // Compiled once for each table a test or a benchmark brings.
    static std::mutex mutex;
    static std::map<QByteArray, std::unique_ptr<CompiledPatterns>> tables;
    QByteArray key;  // by content: a table on the stack may come back at the same address
    for (const ContentPattern& pattern : patterns)
        key += QByteArray(pattern.expression ? pattern.expression : "-") + '\0' + pattern.words + '\0' + char('0' + (pattern.needs != 0));
    const CompiledPatterns* compiledTable = nullptr;
    {
        const std::lock_guard lock(mutex);
        auto& slot = tables[key];
        if (!slot)
            slot = std::make_unique<CompiledPatterns>(compile(patterns));
        compiledTable = slot.get();
    }
    checkLine(section, line, text, rules, patterns, *compiledTable, findings);
}

qsizetype ContentLineEnd(QStringView text, qsizetype from)
{
    // Found by its line feed: a search for one character is the fast one.
    for (qsizetype at = text.indexOf(u'\n', from + 1); at > 0; at = text.indexOf(u'\n', at + 1)) {
        if (text[at - 1] == u'\r')
            return at - 1;
    }
    return -1;
}

QList<ContentFinding> CheckSectionContent(SectionIndex section, QStringView text, ContentRuleSet rules, qsizetype* count)
{
    QList<ContentFinding> findings;
    QList<ContentFinding> lineFindings;
    qsizetype all = 0;
    for (qsizetype start = 0, line = 1; !rules.isEmpty(); ++line) {
        const qsizetype end = ContentLineEnd(text, start);
        lineFindings.clear();
        CheckContentLine(section, int(line), text.sliced(start, (end < 0 ? text.size() : end) - start), rules,
                         lineFindings);
        all += lineFindings.size();
        for (qsizetype i = 0; i < lineFindings.size() && findings.size() < MaxKeptContentFindings; ++i)
            findings.append(std::move(lineFindings[i]));
        if (end < 0)
            break;
        start = end + 2;
    }
    if (count)
        *count = all;
    return findings;
}

SectionContentFindings CheckDescriptionContent(const Description& description, ContentRuleSet rules)
{
    SectionContentFindings findings;
    for (const SectionInfo& section : SectionTable) {
        findings[section.index] = CheckSectionContent(section.index, description[section.index], rules,
                                                      &findings.counts[section.index]);
    }
    return findings;
}

QString QuotedWords(QStringView words)
{
    QString quoted;
    quoted.reserve(MaxQuotedLength + 4);
    // One more than fits tells whether it is cut; the rest is never read.
    const QStringView trimmed = words.trimmed();
    for (const QChar c : trimmed.first(std::min(trimmed.size(), MaxQuotedLength + 1))) {
        const char16_t u = c.unicode();
        // Nothing from a file may steer a terminal or break the line.
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029)
            quoted += QLatin1Char(' ');
        else
            quoted += c;
    }
    if (quoted.size() <= MaxQuotedLength)
        return quoted;
    qsizetype cut = quoted.lastIndexOf(QLatin1Char(' '), MaxQuotedLength);
    if (cut < MaxQuotedLength / 2)
        cut = MaxQuotedLength;
    if (quoted[cut - 1].isHighSurrogate())
        --cut;
    return quoted.first(cut).trimmed() + QStringLiteral("...");
}
