// The preview helper warmed while the pointer or the focus is on a preview button: one at
// a time, gone by itself when not wanted, and never in the way of a preview.
#include "CandyButton.h"
#include "MessageBox.h"
#include "PreviewLauncher.h"
#include "PreviewPage.h"
#include "PreviewProtocol.h"
#include "PreviewWarmer.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QUuid>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;
using Outcome = PreviewLauncher::Outcome;

namespace {
QString realHelper() { return qEnvironmentVariable("QUORVANE_BIN_DIR") + u"/quorvane-preview"_s; }

// Processes started from this test carry a tag of their own in their environment, so
// that anything a helper leaves behind (its engine's processes) can be found.
const QByteArray Tag = "QUORVANE_WARMER_TEST=" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
const bool Tagged = (qputenv("QUORVANE_WARMER_TEST", Tag.mid(Tag.indexOf('=') + 1)), true);

int taggedProcesses()
{
    int found = 0;
    for (const QString& pid : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        if (pid.toLongLong() <= 0 || pid.toLongLong() == QCoreApplication::applicationPid())
            continue;
        for (const QByteArray& entry : TempFolder::read(u"/proc/%1/environ"_s.arg(pid)).split('\0'))
            found += entry == Tag;
    }
    return found;
}

bool helperSaid(QProcess* helper, const QByteArray& line)
{
    return helper && QTest::qWaitFor([&] { return helper->peek(4096).contains(line); }, 60000);
}

class PreviewWarmerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Tagged);
        auto* layout = new QVBoxLayout(&owner);
        layout->addWidget(text = new QLineEdit(u"text"_s));
        layout->addWidget(kindle = new CandyButton);
        layout->addWidget(createSpace = new CandyButton);
        owner.setGeometry(200, 150, 600, 300);
        owner.show();
        owner.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
        text->setFocus();
        warmer.setHelperPath(realHelper());
        warmer.watch(kindle);
        warmer.watch(createSpace);
        QObject::connect(&warmer, &PreviewWarmer::helperStarted, [this] { ++started; });
        launcher.setHelperPath(realHelper());
        launcher.setWarmer(&warmer);
        // Closes each preview with Esc as soon as its page is on screen.
        QObject::connect(&launcher, &PreviewLauncher::previewShown, [] { pressOnceShown(u"^Preview$"_s, u"Escape"_s); });
        QObject::connect(&launcher, &PreviewLauncher::previewShown, [this] { ++previews; });
    }

    void TearDown() override
    {
        // Whatever a test left warm ends with its editor.
        warmer.setPaused(true);
        if (QProcess* helper = warmer.helper()) {
            helper->closeWriteChannel();
            EXPECT_TRUE(helper->waitForFinished(30000));
        }
        EXPECT_TRUE(QTest::qWaitFor([] { return taggedProcesses() == 0; }, 30000)) << "a helper left processes behind";
    }

    QString page(const QString& words) { return BuildPreviewPage(PreviewTarget::Kindle, words); }

    QWidget owner;
    QLineEdit* text = nullptr;
    CandyButton* kindle = nullptr;
    CandyButton* createSpace = nullptr;
    ScriptedMessages messages;
    PreviewWarmer warmer;
    PreviewLauncher launcher{&owner};
    int started = 0;
    int previews = 0;
};
} // namespace

TEST_F(PreviewWarmerTest, OneHelperWhileNearThatEndsByItselfAfterItsIdleTime)
{
    constexpr int IdleMs = 2000;
    warmer.setIdleMs(IdleMs);
    emit kindle->MouseEnter();
    ASSERT_EQ(started, 1);
    QProcess* helper = warmer.helper();
    ASSERT_TRUE(helperSaid(helper, PreviewProtocol::WarmLine()));

    // From one button to the other, on by the keyboard and off again: still the one helper.
    emit kindle->MouseLeave();
    emit createSpace->MouseEnter();
    createSpace->setFocus();
    emit createSpace->MouseLeave();
    QTest::qWait(IdleMs + 1000);
    EXPECT_EQ(warmer.helper(), helper) << "the focus alone keeps it warm";
    EXPECT_EQ(helper->state(), QProcess::Running);
    EXPECT_EQ(started, 1);

    // Pointer and focus away: it waits its idle time, then ends, leaving nothing behind.
    QElapsedTimer away;
    away.start();
    text->setFocus();
    ASSERT_FALSE(createSpace->hasFocus());
    QTest::qWait(IdleMs / 2);
    EXPECT_EQ(helper->state(), QProcess::Running) << "ended before its idle time";
    ASSERT_TRUE(QTest::qWaitFor([&] { return warmer.helper() == nullptr; }, 30000));
    EXPECT_GE(away.elapsed(), IdleMs);
    EXPECT_TRUE(QTest::qWaitFor([] { return taggedProcesses() == 0; }, 30000)) << "its engine stayed behind";

    // The next approach warms a new one.
    emit kindle->MouseEnter();
    EXPECT_EQ(started, 2);
    EXPECT_NE(warmer.helper(), nullptr);
}

TEST_F(PreviewWarmerTest, HoverAndClickAtOnceShowsThePage)
{
    emit kindle->MouseEnter();
    ASSERT_EQ(started, 1);
    // The helper has barely started: the click waits for it rather than starting another.
    int startedWhenShown = 0;
    QObject::connect(&launcher, &PreviewLauncher::previewShown, [&] { startedWhenShown = started; });
    EXPECT_EQ(launcher.run(page(u"<H2>At once</H2>"_s)), Outcome::Closed);
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(startedWhenShown, 1);
    // With the pointer still there, the next one warms once the preview has closed.
    EXPECT_EQ(started, 2);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewWarmerTest, WarmHelperShowsOnePreviewAndTheNextIsWarmedAfresh)
{
    emit kindle->MouseEnter();
    QProcess* first = warmer.helper();
    ASSERT_TRUE(helperSaid(first, PreviewProtocol::WarmLine()));
    EXPECT_EQ(launcher.run(page(u"<H2>First</H2>"_s)), Outcome::Closed);
    // The pointer is still on the button: the next helper warms once the preview is over.
    ASSERT_EQ(started, 2);
    QProcess* second = warmer.helper();
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(helperSaid(second, PreviewProtocol::WarmLine()));
    EXPECT_EQ(launcher.run(page(u"<H2>Second</H2>"_s)), Outcome::Closed);
    EXPECT_EQ(previews, 2);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewWarmerTest, HelperKilledWhileWarmMeansAColdStartNotAnError)
{
    emit kindle->MouseEnter();
    QProcess* helper = warmer.helper();
    ASSERT_TRUE(helperSaid(helper, PreviewProtocol::WarmLine()));
    // Killed behind the editor's back, the click coming before the editor has noticed.
    ::kill(static_cast<pid_t>(helper->processId()), SIGKILL);
    EXPECT_EQ(launcher.run(page(u"<H2>Cold</H2>"_s)), Outcome::Closed);
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(messages.shown().empty());

    // Noticed first, the same.
    emit kindle->MouseLeave();
    text->setFocus();
    emit kindle->MouseEnter();
    helper = warmer.helper();
    ASSERT_TRUE(helperSaid(helper, PreviewProtocol::WarmLine()));
    helper->kill();
    ASSERT_TRUE(QTest::qWaitFor([&] { return warmer.helper() == nullptr; }, 10000));
    EXPECT_EQ(launcher.run(page(u"<H2>Cold again</H2>"_s)), Outcome::Closed);
    EXPECT_EQ(previews, 2);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewWarmerTest, HelperOfAnotherBuildIsRefusedWithAClearMessage)
{
    // A helper that answers with another version is not handed the page, warm or cold.
    TempFolder folder;
    const QString received = folder.file(u"received"_s);
    const QString fake = folder.write(u"other-build"_s, u"#!/bin/sh\necho 'quorvane-preview 1'\ncat >'%1'\n"_s.arg(received).toUtf8());
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    warmer.setHelperPath(fake);
    launcher.setHelperPath(fake);
    for (const bool warm : {false, true}) {
        SCOPED_TRACE(warm ? "warm" : "cold");
        messages.clear();
        if (warm)
            emit kindle->MouseEnter();
        EXPECT_EQ(launcher.run(page(u"<H2>Never</H2>"_s)), Outcome::Mismatch);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, PreviewLauncher::MessageFor(Outcome::Mismatch));
        EXPECT_TRUE(TempFolder::read(received).isEmpty());
        emit kindle->MouseLeave();
    }

    // And the real helper refuses an editor of another version, saying why.
    QProcess helper;
    helper.start(realHelper(), {u"--protocol=1"_s});
    helper.closeWriteChannel();
    ASSERT_TRUE(helper.waitForFinished(30000));
    EXPECT_EQ(helper.exitCode(), PreviewProtocol::RefusedExitCode);
    EXPECT_EQ(helper.readAllStandardOutput(), PreviewProtocol::HelloLine());
    EXPECT_TRUE(helper.readAllStandardError().contains(PreviewProtocol::HelperRefusal(1).toUtf8()));
}
