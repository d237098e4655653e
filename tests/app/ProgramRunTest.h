#pragma once

#include "TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

struct ProgramRun {
    int exitCode = -1;
    QByteArray out, err;
};

// The built program, started the way a shell would start it, without any display.
class ProgramRunTest : public ::testing::Test {
protected:
    ProgramRun quorvane(const QStringList& arguments, const QString& display = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");  // a widget application would fail to start
        env.insert("XDG_CONFIG_HOME", m_config.path());
        env.insert("XDG_STATE_HOME", m_config.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", arguments);
        EXPECT_TRUE(process.waitForFinished(m_timeoutMs)) << process.errorString().toStdString();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
    // Runs one case and checks everything it printed.
    void expectRun(const QStringList& arguments, int exitCode, const QByteArray& out, const QByteArray& err = {})
    {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ProgramRun run = quorvane(arguments);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_EQ(run.out, out);
        EXPECT_EQ(run.err, err);
    }
    static QByteArray errorLine(const QString& path, const char* reason)
    {
        return "quorvane: " + path.toLocal8Bit() + ": " + reason + "\n";
    }

    int m_timeoutMs = 30000;
    TempFolder m_files, m_config;
};
