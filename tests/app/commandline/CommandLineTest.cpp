#include "ProgramRunTest.h"

namespace {
using CommandLineTest = ProgramRunTest;
const QByteArray NoDisplay = "quorvane: cannot open the editor's window: no display (DISPLAY is not set)\n";
} // namespace

TEST_F(CommandLineTest, ExportPrintsEachFragmentByteForByte)
{
    const QString worked = m_files.write("worked.qvn", "[[[QVN FILE]]]Worked Example\r\nMy Book\r\n\r\nLine one<BR>Line two\r\n"
                                                       "   \r\nFast<BR>Easy\r\n\r\nBuy now\r\nOrder the paperback\r\n");
    expectRun({"--export", "kindle", worked}, 0,
              "<H2>My Book</H2><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>Buy now<BR><BR>", "");
    expectRun({"--export", "createspace", worked}, 0,
              "<B>My Book</B><BR><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>Order the paperback", "");

    EXPECT_FALSE(QFile::exists(m_config.file("Quorvane/Quorvane.conf"))) << "an export remembers no recent file";

    // UTF-8 out whatever the file's encoding; a file that ends early still exports.
    expectRun({"--export", "createspace", m_files.write("western.qvn", "[[[QVN FILE]]]\r\nCaf\xE9 \x80" "5\r\n")}, 0,
              "<B>Caf\xC3\xA9 \xE2\x82\xAC" "5</B><BR><BR>",
              errorLine(m_files.file("western.qvn"), "the file ends early; its missing sections are empty"));
}

TEST_F(CommandLineTest, FileErrorsNameTheFileAndTheReasonInOneLine)
{
    const QString missing = m_files.file("missing.qvn");
    expectRun({"--export", "kindle", missing}, 1, "", errorLine(missing, "File not found"));
    const QString notes = m_files.write("notes.txt", "just some notes\r\n");
    expectRun({"--export", "createspace", notes}, 1, "", errorLine(notes, "not a Quorvane description file"));
    const QString empty = m_files.write("empty.qvn", "");
    expectRun({"--export", "kindle", empty}, 1, "", errorLine(empty, "the file is empty"));
    const QString folder = m_files.file("");
    const ProgramRun run = quorvane({"--export", "kindle", folder});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("quorvane: " + folder.toLocal8Bit() + ": ") && run.err.count('\n') == 1) << run.err.constData();
}

TEST_F(CommandLineTest, AFileNameWithLineBreaksOrControlsStaysOnItsOneLine)
{
    const QString folder = m_files.file("x").chopped(1);
    expectRun({"--check", folder + "two\nlines.qvn"}, 2, "", errorLine(folder + "two\\nlines.qvn", "File not found"));
    expectRun({"--export", "kindle", folder + "a\r\x1b[2Jb\tc.qvn"}, 1, "",
              errorLine(folder + "a\\r\\x1b[2Jb\\tc.qvn", "File not found"));
    const QString file = m_files.write("line\nbreak.qvn", "[[[QVN FILE]]]\r\nHead\r\n");
    const ProgramRun run = quorvane({"--export", "kindle", file});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, errorLine(folder + "line\\nbreak.qvn", "the file ends early; its missing sections are empty"));
}

TEST_F(CommandLineTest, VersionAndHelpInBothSpellings)
{
    expectRun({"--version"}, 0, "Quorvane 1.4.18\n", "");
    expectRun({"-v"}, 0, "Quorvane 1.4.18\n", "");

    const ProgramRun help = quorvane({"--help"});
    EXPECT_TRUE(help.exitCode == 0 && help.out.contains("quorvane --export kindle|createspace FILE")) << help.out.constData();
    EXPECT_TRUE(help.err.isEmpty());
    expectRun({"-h"}, 0, help.out, "");
}

// Every wrong command line gives one line saying what is wrong, then the usage; nothing
// is taken for a file name and no window is tried.
TEST_F(CommandLineTest, WrongCommandLinesExitWithTwoBeforeAnyWindow)
{
    const QByteArray usage = quorvane({"--help"}).out;
    ASSERT_TRUE(usage.startsWith("Usage: quorvane"));
    const struct {
        QStringList arguments;
        const char* line;
    } rows[] = {
        {{"--versoin"}, "unknown option '--versoin'"},
        {{"--bogus", "book.qvn"}, "unknown option '--bogus'"},
        {{"-x"}, "unknown option '-x'"},
        {{"--export", "pdf", "x.qvn"}, "--export: unknown target 'pdf' (kindle or createspace)"},
        {{"--export", "kindle"}, "--export takes kindle|createspace FILE"},
        {{"--export", "kindle", "a.qvn", "b.qvn"}, "--export takes kindle|createspace FILE"},
        {{"--export", "kindle", ""}, "--export: the file name is empty"},
        {{"--version", "now"}, "--version takes nothing after it"},
        {{"--import", "a.html"}, "--import takes HTML NEW.qvn"},
        {{"--import", "", "b.qvn"}, "--import: a file name is empty"},
        {{"--bad\nline"}, "unknown option '--bad\\nline'"},
    };
    for (const auto& row : rows)
        expectRun(row.arguments, 2, "", "quorvane: " + QByteArray(row.line) + "\n" + usage);
}

// The editor itself needs a display; without one it says so in one line.
TEST_F(CommandLineTest, EditorWithoutDisplayFailsWithOneClearLine)
{
    const QString book = m_files.write("-dash.qvn", "[[[QVN FILE]]]Dash\r\n");
    for (const QStringList& arguments : {QStringList{}, QStringList{"book.qvn"}, QStringList{"--", book}, QStringList{"-"}})
        expectRun(arguments, 1, "", NoDisplay);

    // A display that is named but not there.
    const ProgramRun run = quorvane({}, ":987");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "quorvane: cannot open the editor's window: cannot connect to the display :987\n");
}
