#include "ContentCheck.h"

#include "ContentLineScan.h"
#include "KeywordRun.h"

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


struct CompiledPatterns {
    std::vector<QRegularExpression> expressions;  // an invalid one for the keyword run
    std::vector<bool> quotesGroup;
    ContentWordTable words;
    ContentPatternSet wordless;  // patterns that need no word on the line
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
            made.words.add(ContentWordKey(QLatin1String(word)), ContentPatternSet().set(i));
            any = true;
        }
        made.wordless.set(i, !any);
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

qsizetype countDigits(QStringView text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
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
    const ContentLineScan scan = ScanContentLine(original, patterns.words);
    QString repaired;
    QStringView text = original;
    if (scan.traits & LoneSurrogate) {
        repaired = withoutLoneSurrogates(original);
        text = repaired;
    }
    // Only the patterns the line's words let run, and those that need no word.
    const ContentPatternSet candidates = scan.patterns | patterns.wordless;
    std::vector<Hit> hits;
    bool unfinished = false;
    const auto full = [&] { return hits.size() >= size_t(MaxContentFindingsPerLine); };
    for (size_t i = candidates._Find_first(); i < table.size() && !full(); i = candidates._Find_next(i)) {
        const ContentPattern& pattern = table[i];
        if (!rules.has(pattern.rule) || (scan.traits & pattern.needs) != pattern.needs)
            continue;
        const int index = static_cast<int>(i);
        if (!pattern.expression) {
            // A labelled list already named is not a run of phrases as well.
            if (!overlapsAny(hits, 0, text.size()) && IsKeywordRun(text, patterns.ignoredRunWords))
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
            const qsizetype end = match.capturedEnd(0);
            from = end > match.capturedStart(0) ? end : end + 1;
            if (pattern.minDigits > 0) {
                const qsizetype digits = countDigits(match.capturedView(0));
                if (digits < pattern.minDigits || digits > pattern.maxDigits)
                    continue;
            }
            // What an earlier pattern already named is not named twice; the context a pattern
            // reads around its words ("only $0.99 for the first days") names nothing.
            const QStringView words = patterns.quotesGroup[i] ? match.capturedView(u"w") : match.capturedView(0);
            ContentFinding finding = makeFinding(section, line, index, original, text, words);
            if (finding.length == 0 || overlapsAny(hits, finding.start, finding.start + finding.length))
                continue;
            hits.push_back({finding.start, finding.start + finding.length, std::move(finding)});
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
