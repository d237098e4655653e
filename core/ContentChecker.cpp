#include "ContentChecker.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype LineBreak = 2;  // CR LF
constexpr qsizetype Block = 256;    // compared with memcmp first: the common part is most of the text

qsizetype commonPrefix(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype at = 0;
    while (at + Block <= n && std::memcmp(a.utf16() + at, b.utf16() + at, Block * sizeof(char16_t)) == 0)
        at += Block;
    while (at < n && a[at] == b[at])
        ++at;
    return at;
}

qsizetype commonSuffix(QStringView a, QStringView b, qsizetype limit)
{
    qsizetype length = 0;
    while (length + Block <= limit &&
           std::memcmp(a.utf16() + a.size() - length - Block, b.utf16() + b.size() - length - Block,
                       Block * sizeof(char16_t)) == 0)
        length += Block;
    while (length < limit && a[a.size() - 1 - length] == b[b.size() - 1 - length])
        ++length;
    return length;
}

} // namespace

std::vector<ContentChecker::Line> ContentChecker::checkLines(SectionIndex index, QStringView text) const
{
    std::vector<Line> lines;
    QList<ContentFinding> found;
    for (qsizetype start = 0;;) {
        const qsizetype end = ContentLineEnd(text, start);
        Line line;
        line.length = (end < 0 ? text.size() : end) - start;
        found.clear();
        // With every rule off the lines are still kept: where they start places the markup findings.
        if (!m_rules.isEmpty())
            CheckContentLine(index, 0, text.sliced(start, line.length), m_rules, found);
        line.findings.reserve(size_t(found.size()));
        for (const ContentFinding& finding : found)
            line.findings.push_back({finding.pattern, finding.unfinished, finding.start, finding.length});
        lines.push_back(std::move(line));
        if (end < 0)
            return lines;
        start = end + LineBreak;
    }
}

bool ContentChecker::update(SectionIndex index, const QString& text)
{
    Section& section = m_sections[static_cast<size_t>(index)];
    if (!section.checked) {
        section.lines = checkLines(index, text);
        section.text = text;
        section.checked = true;
        return true;
    }
    const QString& old = section.text;
    if (old.constData() == text.constData() && old.size() == text.size())
        return false;
    const qsizetype prefix = commonPrefix(old, text);
    if (prefix == old.size() && prefix == text.size())
        return false;
    const qsizetype suffix = commonSuffix(old, text, std::min(old.size(), text.size()) - prefix);

    // Lines that lie in the common start with their line break stay, and so do lines at the
    // end whose line break before them lies in the common end; at least one line goes between.
    const size_t count = section.lines.size();
    size_t keptFront = 0;
    qsizetype frontLength = 0;
    while (keptFront + 1 < count && frontLength + section.lines[keptFront].length + LineBreak <= prefix) {
        frontLength += section.lines[keptFront].length + LineBreak;
        ++keptFront;
    }
    size_t keptBack = 0;
    qsizetype backLength = 0;
    while (keptFront + keptBack + 1 < count) {
        const qsizetype withBreak = section.lines[count - 1 - keptBack].length + LineBreak;
        if (backLength + withBreak > suffix)
            break;
        backLength += withBreak;
        ++keptBack;
    }

    std::vector<Line> middle =
        checkLines(index, QStringView(text).sliced(frontLength, text.size() - frontLength - backLength));
    auto first = section.lines.begin() + static_cast<std::ptrdiff_t>(keptFront);
    auto last = section.lines.end() - static_cast<std::ptrdiff_t>(keptBack);
    const size_t at = keptFront;
    section.lines.erase(first, last);
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(middle.begin()),
                         std::make_move_iterator(middle.end()));
    section.text = text;
    return true;
}

const SectionContentFindings& ContentChecker::check(const Description& description)
{
    for (const SectionInfo& info : SectionTable) {
        if (!update(info.index, description[info.index]))
            continue;
        // Only the first ones are copied: a key costs the same however many there are.
        QList<ContentFinding>& findings = m_findings[info.index];
        findings.clear();
        qsizetype count = 0;
        const Section& section = m_sections[static_cast<size_t>(info.index)];
        qsizetype lineStart = 0;
        for (size_t i = 0; i < section.lines.size(); ++i) {
            const Line& line = section.lines[i];
            count += qsizetype(line.findings.size());
            for (size_t f = 0; f < line.findings.size() && findings.size() < MaxKeptContentFindings; ++f) {
                const LineFinding& kept = line.findings[f];
                ContentFinding finding{info.index, static_cast<int>(i) + 1, kept.pattern,
                                       section.text.sliced(lineStart + kept.start, kept.length), kept.start, kept.length};
                finding.unfinished = kept.unfinished;
                findings.append(std::move(finding));
            }
            lineStart += line.length + LineBreak;
        }
        m_findings.counts[info.index] = count;
    }
    return m_findings;
}

std::vector<qsizetype> ContentChecker::lineStarts(SectionIndex index) const
{
    const std::vector<Line>& lines = m_sections[static_cast<size_t>(index)].lines;
    std::vector<qsizetype> starts;
    starts.reserve(lines.size());
    qsizetype at = 0;
    for (const Line& line : lines) {
        starts.push_back(at);
        at += line.length + LineBreak;
    }
    return starts;
}
