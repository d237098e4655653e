// quorvane --check, run as a shell would run the built program, without any display.
#include "ProgramRunTest.h"

namespace {
class CheckCommandTest : public ProgramRunTest {
protected:
    CheckCommandTest() { m_timeoutMs = 60000; }
    ProgramRun check(const QStringList& arguments) { return quorvane(QStringList{"--check"} + arguments); }
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

    // Tags: each finding once per fragment its section goes into.
    expectRun(description("tags.qvn", {"<b>My Book", "", "", "", "", "a <font>b</font>", "Buy</i>", "Order"}), 1,
              "Kindle: 62 / 4,000\n"
              "Kindle: HEADLINE: <b> is not closed\n"
              "Kindle: CLOSING REMARKS: <font> is not a tag the store accepts\n"
              "Kindle: CALL TO ACTION FOR KINDLE BOOK: </i> closes a tag that is not open\n"
              "Print: 54 / 4,000\n"
              "Print: HEADLINE: <b> is not closed\n"
              "Print: CLOSING REMARKS: <font> is not a tag the store accepts\n");

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
              "Kindle: MAIN BENEFITS: line 3 is empty and makes an empty bullet\n"
              "Print: 45 / 4,000\n"
              "Print: MAIN BENEFITS: line 3 is empty and makes an empty bullet\n");
    expectRun(description("bold.qvn", {"", "", "", "", "<b>Soil<BR>Seeds</b>"}), 1,
              "Kindle: 51 / 4,000\n"
              "Kindle: MAIN BENEFITS: <b> is still open at the end of line 1; each line is its own bullet\n"
              "Print: 43 / 4,000\n"
              "Print: MAIN BENEFITS: <b> is still open at the end of line 1; each line is its own bullet\n");
    expectRun(description("fine.qvn", {"", "", "", "", "<b>Soil</b><BR>Seeds"}), 0,
              "Kindle: 51 / 4,000\nPrint: 43 / 4,000\n");
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
              "Kindle: 31 / 4,000\nKindle: HEADLINE: <i> is not closed\n"
              "Print: 25 / 4,000\nPrint: HEADLINE: <i> is not closed\n",
              errorLine(m_files.file("short.qvn"), "the file ends early; its missing sections are empty"));

    for (const QStringList& wrong : {QStringList{}, QStringList{"a.qvn", "b.qvn"}, QStringList{""}}) {
        const ProgramRun run = check(wrong);
        EXPECT_TRUE(run.exitCode == 2 && run.out.isEmpty() && run.err.startsWith("quorvane: --check")
                    && run.err.contains("\nUsage: quorvane")) << wrong.join(' ').toStdString();
    }
    const ProgramRun help = check({});
    EXPECT_TRUE(help.err.contains("quorvane --check FILE"));
}
