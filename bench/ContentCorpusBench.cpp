// How well the content rules do on the labelled corpus: recall and false alarms per rule, on
// the tuning part and on the held-out part. Not a timing: a report, run by hand.
//   build/bench/bench_content_corpus [--misses]   (--misses lists the tuning part's misses)
#include "ContentCorpus.h"

#include <cstdio>
#include <cstring>
#include <numeric>

namespace {

double percent(int part, int whole)
{
    return whole == 0 ? 0.0 : 100.0 * part / whole;
}

void report(const char* name, const CorpusScore& score)
{
    std::printf("%s: %d forbidden, %d ordinary\n", name, score.forbiddenTotal(), score.ordinary);
    std::printf("  %-26s %8s %14s\n", "rule", "recall", "false alarms");
    for (size_t r = 0; r < size_t(ContentRuleCount); ++r) {
        std::printf("  %-26s %3d/%-3d %3.0f%% %4d  %4.1f%%\n", ContentRuleTable()[r].name, score.caught[r],
                    score.forbidden[r], percent(score.caught[r], score.forbidden[r]), score.falseAlarms[r],
                    percent(score.falseAlarms[r], score.ordinary));
    }
    std::printf("  %-26s %3d/%-3d %3.0f%% %4d  %4.1f%%\n", "all", score.caughtTotal(), score.forbiddenTotal(),
                percent(score.caughtTotal(), score.forbiddenTotal()), score.ordinaryReported,
                percent(score.ordinaryReported, score.ordinary));
}

} // namespace

int main(int argc, char* argv[])
{
    // --line TEXT: what the check says of one line, pattern by pattern.
    if (argc > 2 && std::strcmp(argv[1], "--line") == 0) {
        for (const ContentFinding& f : CheckSectionContent(OpeningRemarks, QString::fromUtf8(argv[2]), ContentRuleSet::all()))
            std::printf("%d %s %s [%s] at %lld+%lld\n", f.pattern, ContentRuleTable()[size_t(f.rule())].name,
                        ContentPatternTable()[size_t(f.pattern)].what, qPrintable(f.words), (long long)f.start,
                        (long long)f.length);
        return 0;
    }
    const bool misses = argc > 1 && std::strcmp(argv[1], "--misses") == 0;
    const QString folder = QStringLiteral(QUORVANE_CONTENT_CORPUS);
    const QList<CorpusSentence> tuning = ReadCorpus(folder + QStringLiteral("/tuning.tsv"));
    const QList<CorpusSentence> heldOut = ReadCorpus(folder + QStringLiteral("/held-out.tsv"));
    if (tuning.isEmpty() || heldOut.isEmpty()) {
        std::fprintf(stderr, "cannot read the corpus in %s\n", qPrintable(folder));
        return 2;
    }
    const CorpusScore tuned = ScoreCorpus(tuning);
    report("tuning", tuned);
    report("held-out", ScoreCorpus(heldOut));
    if (misses) {
        for (const CorpusSentence* s : tuned.missed)
            std::printf("missed  %-15s %s\n", ContentRuleTable()[size_t(*s->rule)].name, qPrintable(s->text));
        for (const CorpusSentence* s : tuned.alarmed) {
            for (const ContentFinding& f : CheckSectionContent(OpeningRemarks, s->text, ContentRuleSet::all()))
                std::printf("alarm   %-15s %s  [%s]\n", ContentRuleTable()[size_t(f.rule())].name, qPrintable(s->text),
                            qPrintable(f.words));
        }
    }
    return 0;
}
