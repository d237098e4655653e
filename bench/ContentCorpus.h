#pragma once

#include "ContentCheck.h"
#include "ContentRules.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <numeric>
#include <optional>

// The labelled sentences of tests/data/content-corpus: one a line, "rule<TAB>genre<TAB>sentence",
// the rule by its enumerator's name or "Ordinary". Scored by what the content check reports.

struct CorpusSentence {
    std::optional<ContentRule> rule;
    QString genre;
    QString text;
};

inline std::optional<ContentRule> CorpusRuleByName(const QString& name)
{
    static const std::array<const char*, ContentRuleCount> names = {
        "ContactDetails", "PricesAndShops", "Reviews", "ReviewRequests", "TimeLimited", "KeywordLists"};
    for (int i = 0; i < ContentRuleCount; ++i) {
        if (name == QLatin1String(names[size_t(i)]))
            return static_cast<ContentRule>(i);
    }
    return std::nullopt;
}

// Empty when the file cannot be read; a line that is not three fields is skipped.
inline QList<CorpusSentence> ReadCorpus(const QString& path)
{
    QList<CorpusSentence> sentences;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sentences;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (fields.size() != 3)
            continue;
        sentences.append({CorpusRuleByName(fields[0]), fields[1], fields[2].trimmed()});
    }
    return sentences;
}

struct CorpusScore {
    std::array<int, ContentRuleCount> forbidden{};    // sentences labelled with the rule
    std::array<int, ContentRuleCount> caught{};       // of those, reported under it
    std::array<int, ContentRuleCount> falseAlarms{};  // ordinary sentences the rule reported
    int ordinary = 0;
    int ordinaryReported = 0;  // by any rule
    QList<const CorpusSentence*> missed;
    QList<const CorpusSentence*> alarmed;

    int forbiddenTotal() const { return std::accumulate(forbidden.begin(), forbidden.end(), 0); }
    int caughtTotal() const { return std::accumulate(caught.begin(), caught.end(), 0); }
};

inline CorpusScore ScoreCorpus(const QList<CorpusSentence>& sentences)
{
    CorpusScore score;
    for (const CorpusSentence& sentence : sentences) {
        const QList<ContentFinding> findings = CheckSectionContent(OpeningRemarks, sentence.text, ContentRuleSet::all());
        std::array<bool, ContentRuleCount> reported{};
        for (const ContentFinding& finding : findings)
            reported[static_cast<size_t>(finding.rule())] = true;
        if (sentence.rule) {
            const auto r = static_cast<size_t>(*sentence.rule);
            ++score.forbidden[r];
            if (reported[r])
                ++score.caught[r];
            else
                score.missed.append(&sentence);
            continue;
        }
        ++score.ordinary;
        for (size_t r = 0; r < reported.size(); ++r)
            score.falseAlarms[r] += reported[r] ? 1 : 0;
        if (!findings.isEmpty()) {
            ++score.ordinaryReported;
            score.alarmed.append(&sentence);
        }
    }
    return score;
}
