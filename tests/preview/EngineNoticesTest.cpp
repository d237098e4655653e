// What the preview helper leaves on the editor's terminal.
#include "EngineNotices.h"
#include "PreviewPage.h"
#include "PreviewProtocol.h"
#include "Xdotool.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
struct HelperRun {
    bool finished = false;
    QByteArray out, err;
};

// The real helper with a small page; closed with Esc once it has shown the page.
HelperRun runHelper(const QProcessEnvironment& environment)
{
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + u"/quorvane-preview"_s, PreviewProtocol::HelperArguments());
    helper.write(PreviewProtocol::PageMessage(BuildPreviewPage(PreviewTarget::Kindle, u"<H2>Quiet</H2>"_s).toUtf8(), {}));
    helper.closeWriteChannel();
    HelperRun run;
    if (QTest::qWaitFor([&] { return helper.state() == QProcess::NotRunning || helper.peek(64).contains("ready"); }, 60000)
        && helper.state() == QProcess::Running)
        pressOnceShown(u"^Preview$"_s, u"Escape"_s);
    run.finished = helper.waitForFinished(30000) && helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0;
    run.out = helper.readAllStandardOutput();
    run.err = helper.readAllStandardError();
    return run;
}
} // namespace

TEST(EngineNotices, HelperLeavesNoGraphicsNoticesOnTheTerminal)
{
    const HelperRun run = runHelper(QProcessEnvironment::systemEnvironment());
    EXPECT_TRUE(run.finished);
    EXPECT_TRUE(run.out.startsWith(PreviewProtocol::HelloLine() + PreviewProtocol::WarmLine()
                                    + PreviewProtocol::ShownLine() + PreviewProtocol::ReadyLine())) << run.out.constData();
    for (const char* notice : {"OpenGL", "graphics backend", "Sandboxing"})
        EXPECT_FALSE(run.err.contains(notice)) << run.err.constData();
}

TEST(EngineNotices, RealErrorsStillShow)
{
    // An engine that cannot start is reported, as before.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QTWEBENGINEPROCESS_PATH"_s, u"/nonexistent/engine"_s);
    const HelperRun run = runHelper(environment);
    EXPECT_FALSE(run.finished);
    EXPECT_TRUE(run.err.contains("/nonexistent/engine")) << run.err.constData();

    // Only the notices are dropped: not other warnings, nor anything graver.
    EXPECT_TRUE(EngineNotices::IsExpected(QtWarningMsg, u"No suitable graphics backend found"_s, false));
    EXPECT_FALSE(EngineNotices::IsExpected(QtWarningMsg, u"Sandboxing disabled by user."_s, false));
    EXPECT_TRUE(EngineNotices::IsExpected(QtInfoMsg, u"Sandboxing disabled by user."_s, true));
    EXPECT_FALSE(EngineNotices::IsExpected(QtWarningMsg, u"Failed to load the page"_s, true));
    EXPECT_FALSE(EngineNotices::IsExpected(QtCriticalMsg, u"No suitable graphics backend found"_s, true));
    EXPECT_FALSE(EngineNotices::IsExpected(QtFatalMsg, u"No suitable graphics backend found"_s, true));
}
