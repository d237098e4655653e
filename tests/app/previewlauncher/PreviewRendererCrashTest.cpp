// The real preview helper whose page renderer dies after the page was on screen.
#include "PreviewLauncher.h"
#include "PreviewPage.h"
#include "ScriptedMessages.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Outcome = PreviewLauncher::Outcome;

namespace {

// The parent of a process, from /proc; 0 when it is gone.
pid_t parentOf(pid_t pid)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("PPid:"))
            return static_cast<pid_t>(line.mid(5).trimmed().toInt());
    }
    return 0;
}

bool descendsFromUs(pid_t pid)
{
    for (pid_t p = parentOf(pid); p > 1; p = parentOf(p)) {
        if (p == ::getpid())
            return true;
    }
    return false;
}

QByteArray commandLineOf(pid_t pid)
{
    QFile cmdline(u"/proc/%1/cmdline"_s.arg(pid));
    return cmdline.open(QIODevice::ReadOnly) ? cmdline.readAll() : QByteArray();
}

// Processes started under this test whose command line passes test.
template <typename Test>
std::vector<pid_t> ourProcesses(Test test)
{
    std::vector<pid_t> found;
    const QStringList entries = QDir(u"/proc"_s).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool number = false;
        const pid_t pid = static_cast<pid_t>(entry.toInt(&number));
        if (number && test(pid, commandLineOf(pid)) && descendsFromUs(pid))
            found.push_back(pid);
    }
    return found;
}

// The web engine's page renderers: forked by its zygote, they keep the zygote's command line.
std::vector<pid_t> ourRenderers()
{
    return ourProcesses([](pid_t pid, const QByteArray& cmdline) {
        return cmdline.contains("--type=renderer") ||
               (cmdline.contains("QtWebEngineProcess") && commandLineOf(parentOf(pid)).contains("--type=zygote"));
    });
}

} // namespace

TEST(PreviewRendererCrashTest, ARendererThatDiesAfterThePageWasShownIsReportedAsACrash)
{
    QWidget owner;
    owner.setGeometry(200, 150, 994, 747);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    ScriptedMessages messages;
    PreviewLauncher launcher(&owner);
    launcher.setHelperPath(qEnvironmentVariable("QUORVANE_BIN_DIR") + u"/quorvane-preview"_s);

    // Once the page is on screen, the renderer is killed as a crash would end it.
    int killed = 0;
    int tries = 0;
    QTimer killer;
    killer.setInterval(100);
    QObject::connect(&killer, &QTimer::timeout, [&] {
        for (const pid_t renderer : ourRenderers()) {
            if (::kill(renderer, SIGKILL) == 0)
                ++killed;
        }
        if (killed > 0) {
            killer.stop();
        } else if (++tries == 600) {
            // No renderer to be found: end the helper so that the test fails instead of waiting.
            for (const pid_t helper : ourProcesses([](pid_t, const QByteArray& c) { return c.contains("quorvane-preview"); }))
                ::kill(helper, SIGTERM);
        }
    });
    QObject::connect(&launcher, &PreviewLauncher::previewShown, &killer, qOverload<>(&QTimer::start));

    EXPECT_EQ(launcher.run(BuildPreviewPage(PreviewTarget::Kindle, u"<H2>A page</H2>"_s)), Outcome::Crashed);
    EXPECT_GT(killed, 0) << "the page was never shown, or no renderer was found";
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, PreviewLauncher::MessageFor(Outcome::Crashed));
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(owner.isVisible());
}
