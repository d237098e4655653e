// quorvane --check, run as a shell would run the built program, without any display.
#include "TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {
struct ProgramRun {
    int exitCode = -1;
    QByteArray out, err;
};

class CheckCommandTest : public ::testing::Test {
protected:
    ProgramRun check(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");  // a widget application would fail to start
        env.insert("XDG_CONFIG_HOME", m_config.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", QStringList{"--check"} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000)) << process.errorString().toStdString();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
    void expectRun(const QString& file, int exitCode, const QByteArray& out, const QByteArray& err = {})
    {
        SCOPED_TRACE(file.toStdString());
        const ProgramRun run = check({file});
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_EQ(run.out, out);
        EXPECT_EQ(run.err, err);
    }
    QString description(const QString& name, const QByteArrayList& sections)
    {
        QByteArray bytes = "[[[QVN FILE]]]Title\r\n";
        for (int i = 0; i < 8; ++i)
            bytes += (i < sections.size() ? sections[i] : QByteArray()) + "\r\n";
        return m_files.write(name, bytes);
    }

    TempFolder m_files, m_config;
};

const QByteArray Error53 = "An unexpected error has occurred.\n(Error 53 : File not found)\n";
const QByteArray Error62 = "An unexpected error has occurred.\n(Error 62 : Input past end of file)\n";
const QByteArray NotSupported = "The specified file is not recognised as a supported type.\n";
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

    // Length alone. A sub-headline of 3,992 characters: "<BR><BR>" after it makes the print
    // fragment exactly 4,000; the Kindle one adds <B>, </B> and its closing breaks. The print
    // call to action goes in without markup.
    expectRun(description("fits.qvn", {"", QByteArray(3992, 'x')}), 1,
              "Kindle: 4,015 / 4,000 (15 over)\nPrint: 4,000 / 4,000\n");
    expectRun(description("long.qvn", {"", "", "", "", "", "", "", QByteArray(4001, 'y')}), 1,
              "Kindle: 8 / 4,000\nPrint: 4,001 / 4,000 (1 over)\n");
}

TEST_F(CheckCommandTest, UnreadableFilesAndWrongUse)
{
    expectRun(m_files.file("missing.qvn"), 2, "", Error53 + NotSupported);
    expectRun(m_files.write("notes.txt", "just some notes\r\n"), 2, "", NotSupported);
    expectRun(m_files.write("empty.qvn", ""), 2, "", Error62 + NotSupported);
    // A file that ends early is still read, as the editor would read it.
    expectRun(m_files.write("short.qvn", "[[[QVN FILE]]]\r\n<i>My Book\r\n"), 1,
              "Kindle: 31 / 4,000\nKindle: HEADLINE: <i> is not closed\n"
              "Print: 25 / 4,000\nPrint: HEADLINE: <i> is not closed\n",
              Error62);

    for (const QStringList& wrong : {QStringList{}, QStringList{"a.qvn", "b.qvn"}, QStringList{""}}) {
        const ProgramRun run = check(wrong);
        EXPECT_TRUE(run.exitCode == 2 && run.out.isEmpty() && run.err.startsWith("Usage: quorvane")) << wrong.join(' ').toStdString();
    }
    const ProgramRun help = check({});
    EXPECT_TRUE(help.err.contains("quorvane --check FILE"));
}
