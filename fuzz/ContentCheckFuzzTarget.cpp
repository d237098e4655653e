// One fuzzing input for the content rules: the bytes, read as UTF-16 (lone surrogates and
// controls included), are a section's text. The check must come back with findings that
// stand where their words are, in order, a bounded number a line, never with an engine that
// gave up, and the editor's incremental checker must agree with a fresh check after an edit.
#include "ContentCheck.h"
#include "ContentChecker.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "content check: %s\n", what);
        std::abort();
    }
}

// The line the finding's line number names.
QStringView lineOf(QStringView text, int number)
{
    qsizetype start = 0;
    for (int line = 1; line < number; ++line)
        start = ContentLineEnd(text, start) + 2;
    const qsizetype end = ContentLineEnd(text, start);
    return text.sliced(start, (end < 0 ? text.size() : end) - start);
}

void checkFindings(QStringView text, const QList<ContentFinding>& findings)
{
    QList<int> perLine;
    int lastLine = 0;
    qsizetype lastStart = -1;
    int onLine = 0;
    for (const ContentFinding& finding : findings) {
        require(finding.line >= lastLine, "findings out of line order");
        onLine = finding.line == lastLine ? onLine + 1 : 1;
        require(finding.line > lastLine || finding.start >= lastStart, "findings out of order in a line");
        require(onLine <= MaxContentFindingsPerLine, "too many findings on a line");
        lastLine = finding.line;
        lastStart = finding.start;
        const QStringView line = lineOf(text, finding.line);
        require(finding.start >= 0 && finding.length >= 0 && finding.start + finding.length <= line.size(),
                "a finding's range lies outside its line");
        require(finding.words == line.sliced(finding.start, finding.length), "a finding's words are not its range");
        require(!finding.unfinished, "the expression engine gave up");
        require(!QuotedWords(finding.words).contains(QChar(0x1b)), "a quote holds a control character");
        require(QuotedWords(finding.words).size() <= MaxQuotedLength + 3, "a quote is too long");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    const QList<ContentFinding> findings = CheckSectionContent(OpeningRemarks, text, ContentRuleSet::all());
    checkFindings(text, findings);

    // The editor's checker: the text, then the same with its first half removed.
    ContentChecker checker;
    Description description;
    description[OpeningRemarks] = text;
    require(checker.check(description)[OpeningRemarks] == findings, "incremental check differs at first");
    description[OpeningRemarks].remove(0, text.size() / 2);
    require(checker.check(description)[OpeningRemarks] ==
                CheckSectionContent(OpeningRemarks, description[OpeningRemarks], ContentRuleSet::all()),
            "incremental check differs after an edit");
    return 0;
}
