#include "TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {
struct ProgramRun {
    int exitCode = -1;
    QByteArray out, err;
};

// The built program, started the way a shell would start it, without any display.
class CommandLineTest : public ::testing::Test {
protected:
    ProgramRun quorvane(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");  // a widget application would fail to start
        env.insert("XDG_CONFIG_HOME", m_config.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
    // Runs one case and checks everything it printed.
    void expectRun(const QStringList& arguments, int exitCode, const QByteArray& out, const QByteArray& err)
    {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ProgramRun run = quorvane(arguments);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_EQ(run.out, out);
        EXPECT_EQ(run.err, err);
    }

    TempFolder m_files, m_config;
};

const QByteArray Error53 = "An unexpected error has occurred.\n(Error 53 : File not found)\n";
const QByteArray Error62 = "An unexpected error has occurred.\n(Error 62 : Input past end of file)\n";
const QByteArray NotSupported = "The specified file is not recognised as a supported type.\n";
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
              "<B>Caf\xC3\xA9 \xE2\x82\xAC" "5</B><BR><BR>", Error62);
}

TEST_F(CommandLineTest, FailuresVersionAndHelp)
{
    expectRun({"--export", "kindle", m_files.file("missing.qvn")}, 1, "", Error53 + NotSupported);
    expectRun({"--export", "createspace", m_files.write("notes.txt", "just some notes\r\n")}, 1, "", NotSupported);
    expectRun({"--export", "kindle", m_files.write("empty.qvn", "")}, 1, "", Error62 + NotSupported);
    expectRun({"--version"}, 0, "Quorvane 1.4.18\n", "");

    const ProgramRun help = quorvane({"--help"});
    EXPECT_TRUE(help.exitCode == 0 && help.out.contains("quorvane --export kindle|createspace FILE")) << help.out.constData();
    for (const QStringList& wrong : {QStringList{"--export", "pdf", "x.qvn"}, {"--export", "kindle"}, {"--export", "kindle", "a.qvn", "b.qvn"}}) {
        const ProgramRun run = quorvane(wrong);
        EXPECT_TRUE(run.exitCode == 2 && run.out.isEmpty() && run.err.startsWith("Usage: quorvane")) << wrong.join(' ').toStdString();
    }
}
