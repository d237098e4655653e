#include "KeywordRun.h"

#include "ContentRules.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <vector>

bool IsKeywordRun(QStringView line, const QSet<QString>& ignored)
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
            if (lower.size() >= limits.minWordLength && !ignored.contains(lower) && !counted.contains(lower))
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
