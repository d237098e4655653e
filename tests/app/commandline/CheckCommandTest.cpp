// quorvane --check, run as a shell would run the built program, without any display.
#include "ProgramRunTest.h"

#include <QDir>
#include <QRegularExpression>

namespace {
class CheckCommandTest : public ProgramRunTest {
protected:
    CheckCommandTest() { m_timeoutMs = 60000; }
    ProgramRun check(const QStringList& arguments) { return quorvane(QStringList{"--check"} + arguments); }
    using ProgramRunTest::expectRun;
    void expectRun(const QString& file, int exitCode, const QByteArray& out, const QByteArray& err = {})
    {
        ProgramRunTest::expectRun({"--check", file}, exitCode, out, err);
    }
    QString description(const QString& name, const QByteArrayList& sections)
    {
        QByteArray bytes = "[[[QVN FILE]]]Title\r\n";
        for (int i = 0; i < 8; ++i)
            bytes += (i < sections.size() ? sections[i] : QByteArray()) + "\r\n";
        return m_files.write(name, bytes);
    }
};
} // namespace

TEST_F(CheckCommandTest, CleanDescriptionsPassAndFindingsFail)
{
    // The worked example: nothing to find, tags of the author's own included.
    expectRun(description("clean.qvn", {"My Book", "", "Line one<BR>Line <i>two</i>", "   ", "Fast<BR>Easy", "",
                                        "Buy now", "Order the paperback"}),
              0, "Kindle: 105 / 4,000\nPrint: 111 / 4,000\n");

    // Tags: each finding once, named with the fragments its section goes into.
    expectRun(description("tags.qvn", {"<b>My Book", "", "", "", "", "a <font>b</font>", "Buy</i>", "Order"}), 1,
              "Kindle: 62 / 4,000\n"
              "Print: 54 / 4,000\n"
              "Kindle and Print: HEADLINE: <b> is not closed\n"
              "Kindle and Print: CLOSING REMARKS: <font> is not a tag the store accepts\n"
              "Kindle: CALL TO ACTION FOR KINDLE BOOK: </i> closes a tag that is not open\n");

    // Length alone: the print fragment exactly at the limit, then one over.
    expectRun(description("fits.qvn", {"", QByteArray(3992, 'x')}), 1,
              "Kindle: 4,015 / 4,000 (15 over)\nPrint: 4,000 / 4,000\n");
    expectRun(description("long.qvn", {"", "", "", "", "", "", "", QByteArray(4001, 'y')}), 1,
              "Kindle: 8 / 4,000\nPrint: 4,001 / 4,000 (1 over)\n");
}

TEST_F(CheckCommandTest, BenefitsThatWouldMakeBrokenBullets)
{
    // A pasted list with its last line break: the file keeps it as a final <BR>.
    expectRun(description("pasted.qvn", {"", "", "", "", "Soil<BR>Seeds<BR>"}), 1,
              "Kindle: 53 / 4,000\n"
              "Print: 45 / 4,000\n"
              "Kindle and Print: MAIN BENEFITS: line 3 is empty and makes an empty bullet\n");
    expectRun(description("bold.qvn", {"", "", "", "", "<b>Soil<BR>Seeds</b>"}), 1,
              "Kindle: 51 / 4,000\n"
              "Print: 43 / 4,000\n"
              "Kindle and Print: MAIN BENEFITS: <b> is still open at the end of line 1; each line is its own bullet\n");
    expectRun(description("fine.qvn", {"", "", "", "", "<b>Soil</b><BR>Seeds"}), 0,
              "Kindle: 51 / 4,000\nPrint: 43 / 4,000\n");
}

TEST_F(CheckCommandTest, ControlCharactersAreFindings)
{
    expectRun(description("odd.qvn", {QByteArray("My\0Book\0", 8), "tab\tis fine", "", "", "", "", "Buy\x1b", "Order\x7f"}), 1,
              "Kindle: 59 / 4,000\n"
              "Print: 48 / 4,000\n"
              "Kindle and Print: HEADLINE: control character U+0000 (NUL) appears 2 times\n"
              "Kindle: CALL TO ACTION FOR KINDLE BOOK: control character U+001B (ESC) appears once\n"
              "Print: CALL TO ACTION FOR CREATESPACE PRINT BOOK: control character U+007F (DEL) appears once\n");
}

// What the file holds reaches the terminal escaped: a tag's name cannot set its title.
TEST_F(CheckCommandTest, TagNamesAreEscapedAndExportsCarryNoControlCharacters)
{
    const QString file = description("title.qvn", {"<x\x1b]0;owned\x07>Head", "Sub\x1b[2J"});
    const ProgramRun run = check({file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("<x\\x1b]0;owned\\x07>")) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains('\x1b') || run.out.contains('\x07')) << run.out.toStdString();

    const ProgramRun exported = quorvane({"--export", "kindle", file});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_FALSE(exported.out.contains('\x1b') || exported.out.contains('\x07')) << exported.out.toStdString();
    EXPECT_TRUE(exported.out.contains("Sub[2J")) << exported.out.toStdString();
}

// Nor can a file reorder the line: the bidirectional and zero-width characters in a tag's
// name come out escaped, in a page as references; C1 and NUL leave the page with a warning.
TEST_F(CheckCommandTest, FormatCharactersAreEscapedAndControlsLeftOutOfExports)
{
    const QByteArray rlo = "\xe2\x80\xae", zwj = "\xe2\x80\x8d", bom = "\xef\xbb\xbf";
    const QString file = description("bidi.qvn", {"<x" + rlo + zwj + ">Head" + bom, "Sub\xc2\x9c" + rlo + QByteArray(1, '\0')});
    const ProgramRun run = check({file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("<x\\u202e\\u200d>")) << run.out.toStdString();
    for (const QByteArray& raw : {rlo, zwj, bom})
        EXPECT_FALSE(run.out.contains(raw)) << run.out.toStdString();

    const ProgramRun exported = quorvane({"--export", "kindle", file});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.out.toStdString(), "<H2><x&#x202E;&#x200D;>Head&#xFEFF;</H2><BR><B>Sub&#x202E;</B><BR><BR><BR><BR>");
    EXPECT_TRUE(exported.err.contains("warning: 2 control characters left out of the HTML")) << exported.err.toStdString();
    EXPECT_FALSE(exported.err.contains(rlo)) << exported.err.toStdString();
}

TEST_F(CheckCommandTest, UnreadableFilesAndWrongUse)
{
    expectRun(m_files.file("missing.qvn"), 2, "", errorLine(m_files.file("missing.qvn"), "File not found"));
    const QString notes = m_files.write("notes.txt", "just some notes\r\n");
    expectRun(notes, 2, "", errorLine(notes, "not a Quorvane description file"));
    const QString empty = m_files.write("empty.qvn", "");
    expectRun(empty, 2, "", errorLine(empty, "the file is empty"));
    // A file that ends early is still read, as the editor would read it.
    expectRun(m_files.write("short.qvn", "[[[QVN FILE]]]\r\n<i>My Book\r\n"), 1,
              "Kindle: 31 / 4,000\nPrint: 25 / 4,000\nKindle and Print: HEADLINE: <i> is not closed\n",
              errorLine(m_files.file("short.qvn"), "the file ends early; its missing sections are empty"));

    for (const QStringList& wrong : {QStringList{}, QStringList{"a.qvn", "b.qvn"}, QStringList{""}}) {
        const ProgramRun run = check(wrong);
        EXPECT_TRUE(run.exitCode == 2 && run.out.isEmpty() && run.err.startsWith("quorvane: --check")
                    && run.err.contains("\nUsage: quorvane")) << wrong.join(' ').toStdString();
    }
    const ProgramRun help = check({});
    EXPECT_TRUE(help.err.contains("quorvane --check FILE"));
}

// Nine lines make a whole file, with or without a line end after the last; eight are one short,
// and read as the whole file with an empty last section would be.
TEST_F(CheckCommandTest, OnlyTheLastLineMissingEndsEarlyOnCheckAndExport)
{
    QByteArray whole = "[[[QVN FILE]]]Title\r\nMy Book\r\n";
    for (int section = 1; section < 7; ++section)
        whole += "Section " + QByteArray::number(section) + "\r\n";
    const QString shortFile = m_files.write("short.qvn", whole);
    const QString unended = m_files.write("unended.qvn", whole + "Order the paperback");
    const QString complete = m_files.write("complete.qvn", whole + "\r\n");
    const QByteArray endsEarly = errorLine(shortFile, "the file ends early; its missing sections are empty");

    for (const QStringList& command : {QStringList{"--check"}, QStringList{"--export", "createspace"}}) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const ProgramRun early = quorvane(command + QStringList{shortFile});
        const ProgramRun full = quorvane(command + QStringList{complete});
        EXPECT_EQ(early.exitCode, 0);
        EXPECT_EQ(early.err.toStdString(), endsEarly.toStdString());
        EXPECT_EQ(full.exitCode, 0);
        EXPECT_EQ(full.err.toStdString(), "");
        EXPECT_EQ(early.out.toStdString(), full.out.toStdString());
        EXPECT_FALSE(full.out.isEmpty());

        const ProgramRun last = quorvane(command + QStringList{unended});
        EXPECT_EQ(last.exitCode, 0);
        EXPECT_EQ(last.err.toStdString(), "");
        EXPECT_NE(last.out, full.out) << "the last section was read";
    }
}

// The store's content rules: each finding with its section, line, words and rule, in both
// fragments its section goes into; the call to action's own sentences are not findings.
TEST_F(CheckCommandTest, ContentFindingsAndTheSettingThatTurnsARuleOff)
{
    const QString file = description("content.qvn", {"My Book", "", "A quiet start.<BR>Visit www.example.com for more.",
                                                     "", "Soil<BR>Seeds", "\"Gripping.\" \xE2\x80\x94 The Times",
                                                     "Scroll up and grab your copy today!", "Order the paperback"});
    const QByteArray contact = "OPENING REMARKS, line 2: \"www.example.com\" is a web address; the store does not allow "
                               "contact details in a description.\n";
    // The author's quotes stay as typed, so the words can be searched for.
    const QByteArray praise = "CLOSING REMARKS, line 1: \"\"Gripping.\"\" is quoted praise with its "
                              "source; the store does not allow reviews, quotes or testimonials in a description.\n";
    expectRun(file, 1, "Kindle: 187 / 4,000\nPrint: 165 / 4,000\nKindle and Print: " + contact + "Kindle and Print: " + praise);

    // A rule turned off in the settings is not applied; the others still are.
    QDir().mkpath(m_config.file("Quorvane"));
    m_config.write("Quorvane/Quorvane.conf", "[General]\nCheckContactDetails=0\n");
    expectRun(file, 1, "Kindle: 187 / 4,000\nPrint: 165 / 4,000\nKindle and Print: " + praise);
    m_config.write("Quorvane/Quorvane.conf", "[General]\nCheckContactDetails=0\nCheckReviews=0\n");
    expectRun(file, 0, "Kindle: 187 / 4,000\nPrint: 165 / 4,000\n");
}

// A section names its first thousand content findings and counts the rest, once for both fragments.
TEST_F(CheckCommandTest, AThousandFindingsAndACountOfTheRest)
{
    const QByteArray lines = QByteArray("www.example.com<BR>").repeated(1100) + "the end";
    const ProgramRun run = check({description("many.qvn", {"", "", lines})});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.count("\nKindle and Print: OPENING REMARKS, line "), 1000);
    EXPECT_TRUE(run.out.endsWith("\nKindle and Print: OPENING REMARKS, line 1000: \"www.example.com\" is a web address; the "
                                 "store does not allow contact details in a description.\n"
                                 "Kindle and Print: OPENING REMARKS: ... and 100 more content findings\n"))
        << run.out.right(300).toStdString();
}

// --export writes the HTML unchanged and the fragment's findings as warnings on stderr.
TEST_F(CheckCommandTest, ExportWarnsOfContentFindingsOnStandardError)
{
    const QString file = description("export.qvn", {"Call 555-123-4567 today", "", "", "", "", "", "Buy now", "Order"});
    expectRun(QStringList{"--export", "kindle", file}, 0, "<H2>Call 555-123-4567 today</H2><BR>Buy now<BR><BR>",
              "quorvane: warning: HEADLINE, line 1: \"555-123-4567\" is a telephone number; the store does not allow "
              "contact details in a description.\n");
}

// The fold of the chosen kind of page, once something stands below it; no line when nothing does.
TEST_F(CheckCommandTest, WhatStandsAboveTheFold)
{
    const QByteArray opening = QByteArray("Most gardens waste half their space on paths and plants. ").repeated(24);
    const QString file = description("long.qvn", {"Grow More", "A plan", opening, "Learn", "Beds", "", "Buy", "Order"});
    const QRegularExpression fold("Kindle: above the fold \\(desktop page\\): the headline, the sub-headline and "
                                  "(\\d+) characters of the opening remarks\n");
    ProgramRun run = check({file});
    const QRegularExpressionMatch match = fold.match(QString::fromUtf8(run.out));
    ASSERT_TRUE(match.hasMatch()) << run.out.toStdString();
    EXPECT_GT(match.captured(1).toInt(), 500);
    EXPECT_LT(match.captured(1).toInt(), opening.size());
    EXPECT_EQ(run.err, "");

    QDir(m_config.path()).mkpath("Quorvane");
    m_config.write("Quorvane/Quorvane.conf", "[General]\nFoldProfile=Phone\n");
    run = check({file});
    EXPECT_TRUE(run.out.contains("Kindle: above the fold (phone): the headline and the sub-headline\n")
                && run.out.contains("Print: above the fold (phone): the headline and the sub-headline\n")) << run.out.toStdString();
    m_config.write("Quorvane/Quorvane.conf", "[General]\nFoldProfile=Whole description\n");
    EXPECT_FALSE(check({file}).out.contains("fold"));
}
