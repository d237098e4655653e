#include "FindingsModel.h"

#include "ListingReport.h"

#include <algorithm>

namespace {

// The line (from 0) that holds position, given where each line starts.
qsizetype lineOf(const std::vector<qsizetype>& starts, qsizetype position)
{
    return std::upper_bound(starts.begin(), starts.end(), position) - starts.begin() - 1;
}

// A position of the section's text (CR LF) in the box's text (one character a break).
qsizetype inBox(const std::vector<qsizetype>& starts, qsizetype position)
{
    return position - std::max<qsizetype>(0, lineOf(starts, position));
}

QString caption(SectionIndex section)
{
    return QString::fromLatin1(SectionTable[static_cast<size_t>(section)].caption).trimmed();
}

} // namespace

FindingsModel::FindingsModel(Reader read, ContentRuleSet rules, QObject* parent)
    : QObject(parent), m_read(std::move(read)), m_rules(rules), m_content(rules)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &FindingsModel::updateNow);
}

void FindingsModel::scheduleUpdate()
{
    // Not restarted while running: typing without a pause still sees the findings move.
    if (!m_timer.isActive())
        m_timer.start();
}

void FindingsModel::updateNow()
{
    m_timer.stop();
    m_description = m_read();
    m_check = CheckListing(m_description, m_content.check(m_description));
    place();
    emit updated();
}

void FindingsModel::flush()
{
    if (m_timer.isActive())
        updateNow();
}

void FindingsModel::setRules(ContentRuleSet rules)
{
    if (rules == m_rules)
        return;
    m_rules = rules;
    m_content = ContentChecker(rules);
    updateNow();
}

int FindingsModel::rulesOff() const
{
    int off = 0;
    for (const ContentRuleInfo& info : ContentRuleTable())
        off += m_rules.has(info.rule) ? 0 : 1;
    return off;
}

void FindingsModel::place()
{
    m_findings.clear();
    std::array<QList<Finding>, SectionCount> bySection;
    for (qsizetype i = 0; i < m_check.tagFindings.size(); ++i) {
        const TagFinding& tag = m_check.tagFindings[i];
        bySection[tag.section].append({tag.section, Finding::Kind::Markup, tag.start, tag.length, int(i)});
    }
    for (qsizetype i = 0; i < m_check.contentFindings.size(); ++i) {
        const ContentFinding& content = m_check.contentFindings[i];
        bySection[content.section].append({content.section, Finding::Kind::Content, content.start, content.length, int(i)});
    }
    for (const SectionInfo& info : SectionTable) {
        QList<Finding>& findings = bySection[info.index];
        m_sectionStart[info.index] = m_findings.size();
        if (!findings.isEmpty()) {
            // Markup findings count in the section's text, content findings in their line;
            // both end up in the box's text.
            const std::vector<qsizetype> starts = m_content.lineStarts(info.index);
            for (Finding& finding : findings) {
                if (finding.kind == Finding::Kind::Content) {
                    const qsizetype line = m_check.contentFindings[finding.index].line - 1;
                    finding.start += line < qsizetype(starts.size()) ? starts[size_t(line)] - line : 0;
                } else {
                    const qsizetype end = inBox(starts, finding.start + finding.length);
                    finding.start = inBox(starts, finding.start);
                    finding.length = end - finding.start;
                }
            }
            std::stable_sort(findings.begin(), findings.end(),
                             [](const Finding& a, const Finding& b) { return a.start < b.start; });
            m_findings += findings;
        }
        for (qsizetype i = 0; i < m_check.controlCharacterFindings.size(); ++i) {
            if (m_check.controlCharacterFindings[i].section == info.index)
                m_findings.append({info.index, Finding::Kind::ControlCharacter, -1, 0, int(i)});
        }
    }
    m_sectionStart[SectionCount] = m_findings.size();
}

std::span<const Finding> FindingsModel::findingsIn(SectionIndex section) const
{
    const auto from = static_cast<size_t>(m_sectionStart[section]);
    const auto to = static_cast<size_t>(m_sectionStart[section + 1]);
    return std::span<const Finding>(m_findings.constData() + from, to - from);
}

std::optional<Finding> FindingsModel::findingAt(SectionIndex section, qsizetype position) const
{
    for (const Finding& finding : findingsIn(section)) {
        if (finding.hasPlace() && finding.start <= position && position <= finding.start + finding.length)
            return finding;
        if (finding.start > position)
            break;
    }
    return std::nullopt;
}

std::optional<Finding> FindingsModel::neighbour(SectionIndex section, qsizetype position, bool strict, bool forward) const
{
    // The findings with a place are in the order of the boxes and of their words.
    const Finding* first = nullptr;
    const Finding* last = nullptr;
    const Finding* next = nullptr;
    const Finding* previous = nullptr;
    for (const Finding& finding : m_findings) {
        if (!finding.hasPlace())
            continue;
        if (!first)
            first = &finding;
        last = &finding;
        const bool here = finding.section == section;
        if (finding.section > section || (here && (finding.start > position || (finding.start == position && !strict)))) {
            if (!next)
                next = &finding;
        } else if (!here || finding.start < position) {
            previous = &finding;
        }
    }
    const Finding* found = forward ? (next ? next : first) : (previous ? previous : last);
    if (!found)
        return std::nullopt;
    return *found;
}

QString FindingsModel::text(const Finding& finding) const
{
    switch (finding.kind) {
    case Finding::Kind::Markup:
        return FindingText(m_check.tagFindings[finding.index]);
    case Finding::Kind::Content:
        return FindingText(m_check.contentFindings[finding.index]);
    case Finding::Kind::ControlCharacter:
        break;
    }
    return FindingText(m_check.controlCharacterFindings[finding.index]);
}

QString FindingsModel::what(const Finding& finding) const
{
    if (finding.kind == Finding::Kind::Content) {
        const ContentFinding& content = m_check.contentFindings[finding.index];
        const ContentPattern& pattern = ContentPatternTable()[static_cast<size_t>(content.pattern)];
        return QString::fromUtf8(pattern.what) + QStringLiteral("; ") +
               QString::fromUtf8(ContentRuleData(pattern.rule).sentence) + QLatin1Char('.');
    }
    // The section is the list's heading already.
    return text(finding).mid(caption(finding.section).size() + 2);
}

QString FindingsModel::advice(const Finding& finding) const
{
    switch (finding.kind) {
    case Finding::Kind::Markup:
        return FindingAdvice(m_check.tagFindings[finding.index]);
    case Finding::Kind::Content:
        return FindingAdvice(m_check.contentFindings[finding.index]);
    case Finding::Kind::ControlCharacter:
        break;
    }
    return FindingAdvice(m_check.controlCharacterFindings[finding.index]);
}

QString FindingsModel::words(const Finding& finding) const
{
    switch (finding.kind) {
    case Finding::Kind::Markup: {
        const TagFinding& tag = m_check.tagFindings[finding.index];
        return QuotedWords(QStringView(m_description[tag.section]).sliced(tag.start, tag.length));
    }
    case Finding::Kind::Content:
        return QuotedWords(m_check.contentFindings[finding.index].words);
    case Finding::Kind::ControlCharacter:
        break;
    }
    return {};
}

std::optional<ContentRule> FindingsModel::rule(const Finding& finding) const
{
    if (finding.kind != Finding::Kind::Content)
        return std::nullopt;
    return m_check.contentFindings[finding.index].rule();
}
