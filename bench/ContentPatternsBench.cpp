// Every content pattern fed its own near-misses and some hostile runs, at 10 KB, 100 KB and
// 1 MB of one line: the time and its growth. Linear is x10 a step; a pattern that backtracks
// shows x100. A plain program, run by hand: build/bench/bench_content_patterns [pattern]
#include "ContentCheck.h"

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Runs that make an expression scan far and then fail, whatever the pattern.
const QStringList HostileUnits = {
    "a.", "a@", "%a", "@a.", "A ", "AB", "1 ", "1A ", "\"x ", "\u201cx ", "\u2605 ", "www.", "http://", "a/",
    "Keywords: a,", "leave ", "for the first ", ", ", "a dot ", "a at ", "a-", "9.", "$9", "@", ". ", "1,",
    "Rated ", "Join me ", "on ", "0", "+1 ", "x", " ",
};

// The example's words spoiled a little: what almost matches.
QStringList nearMisses(const ContentPattern& pattern)
{
    const QString example = QString::fromUtf8(pattern.example);
    const QStringList parts = example.split(QLatin1Char('|'));
    const QString words = parts.size() == 3 ? parts[1] : example;
    QStringList misses;
    misses << words.chopped(1) + QLatin1Char(' ') << words.mid(1) + QLatin1Char(' ');
    misses << QString(words).remove(QLatin1Char(' ')) << QString(words).replace(QLatin1Char(' '), QLatin1Char('-'));
    misses << words.left(words.size() / 2) << words.right(words.size() / 2) + QLatin1Char(' ');
    if (parts.size() == 3)
        misses << parts[0] + words.chopped(1) << parts[0];
    misses.removeAll(QString());
    return misses;
}

QString lineOf(const QString& unit, qsizetype size)
{
    QString line;
    line.reserve(size + unit.size());
    while (line.size() < size)
        line += unit;
    return line;
}

// Milliseconds for one check of the line by this pattern alone, its pre-filter off.
double timeLine(const ContentPattern& pattern, const QString& line, bool& unfinished)
{
    const ContentPattern always[] = {{pattern.rule, pattern.what, pattern.expression, 0, "", pattern.example,
                                      pattern.advice, pattern.minDigits, pattern.maxDigits}};
    // The best of three: the machine is shared, and a slow run is another program's.
    QList<ContentFinding> findings;
    double ms = 1e12;
    for (int run = 0; run < 3; ++run) {
        findings.clear();
        QElapsedTimer timer;
        timer.start();
        CheckContentLine(OpeningRemarks, 1, line, ContentRuleSet::all(), always, findings);
        ms = std::min(ms, double(timer.nsecsElapsed()) / 1e6);
    }
    unfinished = std::any_of(findings.begin(), findings.end(), [](const ContentFinding& f) { return f.unfinished; });
    return ms;
}

} // namespace

// --typical TEXT: what each pattern, pre-filter and all, costs on 10,000 lines of TEXT.
int typical(const QString& text)
{
    const auto table = ContentPatternTable();
    for (size_t i = 0; i < table.size(); ++i) {
        QList<ContentFinding> findings;
        QElapsedTimer timer;
        timer.start();
        for (int n = 0; n < 10000; ++n)
            CheckContentLine(OpeningRemarks, 1, text, ContentRuleSet::all(), table.subspan(i, 1), findings);
        std::printf("%-3zu %-44.44s %8.2f ms\n", i, table[i].what, double(timer.nsecsElapsed()) / 1e6);
    }
    return 0;
}

int main(int argc, char* argv[])
{
    if (argc > 2 && std::strcmp(argv[1], "--typical") == 0)
        return typical(QString::fromUtf8(argv[2]));
    const auto table = ContentPatternTable();
    const int only = argc > 1 ? std::atoi(argv[1]) : -1;
    double worstGrowth = 0;
    std::printf("%-3s %-44s %-18s %9s %9s %9s %7s\n", "#", "pattern", "worst run", "10 KB ms", "100 KB ms", "1 MB ms",
                "growth");
    for (size_t i = 0; i < table.size(); ++i) {
        if (only >= 0 && size_t(only) != i)
            continue;
        const ContentPattern& pattern = table[i];
        QStringList units = HostileUnits + nearMisses(pattern);
        // Every run at 100 KB; the slowest three again at 10 KB and 1 MB.
        std::vector<std::pair<double, QString>> at100;
        bool unfinished = false;
        for (const QString& unit : units) {
            bool gaveUp = false;
            at100.push_back({timeLine(pattern, lineOf(unit, 100 << 10), gaveUp), unit});
            if (only >= 0)
                std::printf("    %9.2f ms at 100 KB: \"%s\"\n", at100.back().first, qPrintable(unit));
            unfinished = unfinished || gaveUp;
        }
        std::sort(at100.begin(), at100.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        double patternGrowth = 0;
        QString worstUnit;
        double w10 = 0, w100 = 0, w1000 = 0;
        for (size_t k = 0; k < std::min<size_t>(3, at100.size()); ++k) {
            bool gaveUp = false;
            const QString& unit = at100[k].second;
            const double t10 = timeLine(pattern, lineOf(unit, 10 << 10), gaveUp);
            const double t1000 = timeLine(pattern, lineOf(unit, 1 << 20), gaveUp);
            if (only >= 0)
                std::printf("    %9.2f ms at 10 KB, %9.2f ms at 1 MB: \"%s\"\n", t10, t1000, qPrintable(unit));
            unfinished = unfinished || gaveUp;
            const double growth = t1000 / std::max(at100[k].first, 0.05);
            if (k == 0 || growth > patternGrowth) {
                patternGrowth = growth;
                worstUnit = unit;
                w10 = t10;
                w100 = at100[k].first;
                w1000 = t1000;
            }
        }
        worstGrowth = std::max(worstGrowth, patternGrowth);
        std::printf("%-3zu %-44.44s %-18.18s %9.2f %9.2f %9.2f %6.1fx%s\n", i, pattern.what,
                    qPrintable(QStringLiteral("\"%1\"").arg(worstUnit.left(14))), w10, w100, w1000, patternGrowth,
                    unfinished ? "  engine gave up" : "");
        std::fflush(stdout);
    }
    std::printf("worst growth from 100 KB to 1 MB: %.1fx (linear is 10x)\n", worstGrowth);
    return 0;
}
