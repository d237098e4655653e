#include "TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The built program, started the way a shell would start it, without any display.
class CommandLineTest : public ::testing::Test {
protected:
    ProgramRun quorvane(const QStringList& arguments)
    {
        const QString bin = qEnvironmentVariable("QUORVANE_BIN_DIR");
        EXPECT_FALSE(bin.isEmpty()) << "QUORVANE_BIN_DIR names the folder of the built program";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");  // a widget application would fail to start
        env.insert("XDG_CONFIG_HOME", m_config.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(bin + "/quorvane", arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
        ProgramRun run;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    TempFolder m_files;
    TempFolder m_config;
};

const QByteArray WorkedExampleFile = "[[[QVN FILE]]]Worked Example\r\nMy Book\r\n\r\nLine one<BR>Line two\r\n   \r\n"
                                     "Fast<BR>Easy\r\n\r\nBuy now\r\nOrder the paperback\r\n";

const QByteArray GardenBasicsFile = "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\nA beginner's guide\r\n"
                                    "Gardening is easy.<BR>This book shows how.\r\nIn Garden Basics you will learn:\r\n"
                                    "Soil<BR>Seeds<BR>Watering\r\n\r\nTake action now.\r\nOrder your copy today.\r\n";

} // namespace

TEST_F(CommandLineTest, ExportPrintsEachFragmentByteForByte)
{
    const QString worked = m_files.write("worked.qvn", WorkedExampleFile);
    ProgramRun kindle = quorvane({"--export", "kindle", worked});
    EXPECT_EQ(kindle.exitCode, 0);
    EXPECT_EQ(kindle.out,
              "<H2>My Book</H2><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>Buy now<BR><BR>");
    EXPECT_EQ(kindle.err, "");
    ProgramRun createSpace = quorvane({"--export", "createspace", worked});
    EXPECT_EQ(createSpace.exitCode, 0);
    EXPECT_EQ(createSpace.out,
              "<B>My Book</B><BR><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>Order the paperback");

    const QString garden = m_files.write("garden.qvn", GardenBasicsFile);
    EXPECT_EQ(quorvane({"--export", "kindle", garden}).out,
              "<H2>Grow More With Less</H2><BR><B>A beginner's guide</B><BR><BR>"
              "Gardening is easy.<BR>This book shows how.<BR><BR><H2>In Garden Basics you will learn:</H2>"
              "<ul><li>Soil</li><li>Seeds</li><li>Watering</li></ul>Take action now.<BR><BR>");
    EXPECT_EQ(quorvane({"--export", "createspace", garden}).out,
              "<B>Grow More With Less</B><BR><BR>A beginner's guide<BR><BR>"
              "Gardening is easy.<BR>This book shows how.<BR><BR><B>In Garden Basics you will learn:</B><BR>"
              "<ul><li>Soil</li><li>Seeds</li><li>Watering</li></ul>Order your copy today.");

    EXPECT_FALSE(QFile::exists(m_config.file("Quorvane/Quorvane.conf"))) << "an export remembers no recent file";
}

TEST_F(CommandLineTest, ExportWritesUtf8WhateverTheFilesEncoding)
{
    const QString western = m_files.write("western.qvn", "[[[QVN FILE]]]\r\nCaf\xE9 \x80" "5\r\n");
    const ProgramRun fromCodePage = quorvane({"--export", "createspace", western});
    EXPECT_EQ(fromCodePage.out, "<B>Caf\xC3\xA9 \xE2\x82\xAC" "5</B><BR><BR>");
    EXPECT_EQ(fromCodePage.exitCode, 0) << "a file that ends early still exports";
    EXPECT_EQ(fromCodePage.err, "An unexpected error has occurred.\n(Error 62 : Input past end of file)\n");

    const QString chinese = m_files.write("chinese.qvn", "[[[QVN FILE]]]\r\n\xE4\xB8\xAD\xE6\x96\x87\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(quorvane({"--export", "kindle", chinese}).out, "<H2>\xE4\xB8\xAD\xE6\x96\x87</H2><BR><BR><BR>");
}

TEST_F(CommandLineTest, AFileThatCannotBeReadFailsWithTheLoadersMessages)
{
    const ProgramRun missing = quorvane({"--export", "kindle", m_files.file("missing.qvn")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "An unexpected error has occurred.\n(Error 53 : File not found)\n"
                           "The specified file is not recognised as a supported type.\n");

    const ProgramRun other = quorvane({"--export", "createspace", m_files.write("notes.txt", "just some notes\r\n")});
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_EQ(other.out, "");
    EXPECT_EQ(other.err, "The specified file is not recognised as a supported type.\n");

    const ProgramRun empty = quorvane({"--export", "kindle", m_files.write("empty.qvn", "")});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "An unexpected error has occurred.\n(Error 62 : Input past end of file)\n"
                         "The specified file is not recognised as a supported type.\n");
}

TEST_F(CommandLineTest, VersionHelpAndMistakes)
{
    const ProgramRun version = quorvane({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Quorvane 1.4.18\n");

    const ProgramRun help = quorvane({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("quorvane --export kindle|createspace FILE")) << help.out.constData();

    for (const QStringList& wrong : {QStringList{"--export", "pdf", "x.qvn"}, QStringList{"--export", "kindle"},
                                     QStringList{"--export", "kindle", "a.qvn", "b.qvn"}}) {
        const ProgramRun run = quorvane(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.startsWith("Usage: quorvane")) << run.err.constData();
    }
}
