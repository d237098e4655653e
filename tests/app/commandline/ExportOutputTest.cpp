// The built program's --export where the input or the output is not an ordinary file.
#include "TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QByteArray Description = "[[[QVN FILE]]]Book\r\nHeadline\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

class ExportOutputTest : public ::testing::Test {
protected:
    // Runs the program with its standard output going to outputFile; the exit code, or -1
    // when it crashed or had to be killed.
    int exportTo(const QString& input, const QString& outputFile, QByteArray* err = nullptr)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("XDG_CONFIG_HOME", m_config.path());
        env.insert("XDG_STATE_HOME", m_config.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(outputFile);
        process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", {"--export", "kindle", input});
        const bool finished = process.waitForFinished(60000);
        EXPECT_TRUE(finished) << "still running: " << input.toStdString();
        if (!finished) {
            process.kill();
            process.waitForFinished();
        }
        if (err)
            *err = process.readAllStandardError();
        return finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    TempFolder m_files, m_config;
};

} // namespace

TEST_F(ExportOutputTest, AFullOutputFailsTheExport)
{
    const QString input = m_files.write("book.qvn", Description);
    ASSERT_EQ(exportTo(input, m_files.file("out.html")), 0);
    EXPECT_EQ(TempFolder::read(m_files.file("out.html")), "<H2>Headline</H2><BR><BR><BR>");
    QByteArray err;
    EXPECT_EQ(exportTo(input, "/dev/full", &err), 1);
    EXPECT_EQ(err, "quorvane: cannot write to standard output\n");
}

TEST_F(ExportOutputTest, AFifoAsInputFailsAtOnceInsteadOfWaitingForAWriter)
{
    const QString fifo = m_files.file("fifo.qvn");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray err;
    EXPECT_EQ(exportTo(fifo, m_files.file("out.html"), &err), 1);
    EXPECT_EQ(err, ("quorvane: " + fifo + ": Path/File access error\n").toLocal8Bit());
}

TEST_F(ExportOutputTest, AFileOverTheLimitIsRefusedInOneLineUnread)
{
    // Sparse: over the limit on disk without writing 64 MB.
    const QString big = m_files.file("big.qvn");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Description);
        ASSERT_TRUE(file.resize(qint64(64) * 1024 * 1024 + 1));
    }
    QByteArray err;
    EXPECT_EQ(exportTo(big, m_files.file("out.html"), &err), 1);
    EXPECT_EQ(err, ("quorvane: " + big + ": larger than 64 MB (67,108,864 bytes), "
                    "the largest description file that can be opened\n").toLocal8Bit());
    EXPECT_EQ(TempFolder::read(m_files.file("out.html")), "");
}
