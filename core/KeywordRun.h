#pragma once

#include <QSet>
#include <QString>
#include <QStringView>

// A line of short phrases between commas in which the same words keep coming back: written
// for a search engine, not for a reader (limits: KeywordRunLimitsData). A list of different
// things is prose. `ignored` holds the words that repeat in any list.
bool IsKeywordRun(QStringView line, const QSet<QString>& ignored);
