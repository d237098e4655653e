#include "InputBlocker.h"
#include "MessageBox.h"
#include "PreviewLauncher.h"
#include "PreviewPage.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
const QString OwnerText = QStringLiteral("The author's unsaved text");

QString helperPath()
{
    return qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane-preview");
}

const QString Page = BuildPreviewPage(PreviewTarget::Kindle, QStringLiteral("<H2>A page</H2>"));

// The editor's stand-in: a window with a text box and a button.
class PreviewLauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner.setWindowTitle(QStringLiteral("Owner"));
        auto* layout = new QVBoxLayout(&owner);
        text = new QLineEdit(OwnerText);
        button = new QPushButton(QStringLiteral("Button"));
        layout->addWidget(text);
        layout->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        owner.setGeometry(200, 150, 994, 747);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }

    void expectOwnerUntouched()
    {
        EXPECT_TRUE(owner.isVisible());
        EXPECT_EQ(text->text(), OwnerText);
        EXPECT_EQ(clicks, 0);
    }

    QString writeHelper(const QString& script)
    {
        const QString path = folder.write(QStringLiteral("fake-preview"), ("#!/bin/sh\n" + script + "\n").toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QWidget owner;
    QLineEdit* text = nullptr;
    QPushButton* button = nullptr;
    int clicks = 0;
    TempFolder folder;
    ScriptedMessages messages;
};
} // namespace

TEST_F(PreviewLauncherTest, MissingHelperLeavesTheEditorAsItWas)
{
    PreviewLauncher launcher(&owner);
    launcher.setHelperPath(folder.file(QStringLiteral("no-such-helper")));
    EXPECT_EQ(launcher.run(Page),
              PreviewLauncher::Outcome::NotStarted);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, PreviewLauncher::MessageFor(PreviewLauncher::Outcome::NotStarted));
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown()[0].caption, QStringLiteral("Quorvane"));
    expectOwnerUntouched();
}

TEST_F(PreviewLauncherTest, CrashingHelperIsReported)
{
    PreviewLauncher launcher(&owner);
    for (const char* script : {"kill -SEGV $$", "cat >/dev/null; echo ready; sleep 0.3; kill -ABRT $$", "exit 0",
                               "cat >/dev/null; exit 1"}) {
        messages.clear();
        launcher.setHelperPath(writeHelper(QString::fromLatin1(script)));
        EXPECT_EQ(launcher.run(QStringLiteral("<p>page</p>")), PreviewLauncher::Outcome::Crashed) << script;
        ASSERT_EQ(messages.shown().size(), 1u) << script;
        EXPECT_EQ(messages.shown()[0].text, PreviewLauncher::MessageFor(PreviewLauncher::Outcome::Crashed));
    }
    expectOwnerUntouched();
}

TEST_F(PreviewLauncherTest, HelperWithoutItsEngineIsReported)
{
    // The real helper, but the engine's own process is missing.
    qputenv("QTWEBENGINEPROCESS_PATH", folder.file(QStringLiteral("missing-engine")).toUtf8());
    PreviewLauncher launcher(&owner);
    launcher.setHelperPath(helperPath());
    const auto outcome = launcher.run(Page);
    qunsetenv("QTWEBENGINEPROCESS_PATH");
    EXPECT_EQ(outcome, PreviewLauncher::Outcome::Crashed);
    ASSERT_EQ(messages.shown().size(), 1u);
    expectOwnerUntouched();
}

TEST_F(PreviewLauncherTest, HangingHelperIsEndedAndReported)
{
    PreviewLauncher launcher(&owner);
    launcher.setLimits({1000, 1000});
    // Silent from the start, and silent after saying it is ready.
    for (const char* script : {"exec sleep 60", "cat >/dev/null; echo ready; exec sleep 60"}) {
        messages.clear();
        launcher.setHelperPath(writeHelper(QString::fromLatin1(script)));
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(launcher.run(QStringLiteral("<p>page</p>")), PreviewLauncher::Outcome::Hung) << script;
        EXPECT_LT(timer.elapsed(), 10000);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, PreviewLauncher::MessageFor(PreviewLauncher::Outcome::Hung));
    }
    expectOwnerUntouched();
}

TEST_F(PreviewLauncherTest, HelperThatKeepsTalkingIsNotTakenForHanging)
{
    PreviewLauncher launcher(&owner);
    launcher.setLimits({1000, 1000});
    launcher.setHelperPath(writeHelper(QStringLiteral(
        "cat >/dev/null; echo ready; for i in 1 2 3 4 5 6; do sleep 0.4; echo alive; done; exit 0")));
    // Meanwhile the editor takes no input.
    QTimer::singleShot(500, &owner, [this] {
        QTest::keyClicks(text, QStringLiteral("typed"));
        QTest::mouseClick(button, Qt::LeftButton);
    });
    EXPECT_EQ(launcher.run(QStringLiteral("<p>page</p>")), PreviewLauncher::Outcome::Closed);
    EXPECT_TRUE(messages.shown().empty());
    expectOwnerUntouched();
    // And takes it again afterwards.
    QTest::keyClicks(text, QStringLiteral("!"));
    EXPECT_EQ(text->text(), OwnerText + QStringLiteral("!"));
}

TEST_F(PreviewLauncherTest, HelperGetsThePageAndTheOwner)
{
    // A fake helper that records what it was given and then closes normally.
    const QString received = folder.file(QStringLiteral("received"));
    const QString arguments = folder.file(QStringLiteral("arguments"));
    PreviewLauncher launcher(&owner);
    launcher.setHelperPath(writeHelper(
        QStringLiteral("cat >'%1'; echo \"$@\" >'%2'; echo ready").arg(received, arguments)));
    const QString page = BuildPreviewPage(PreviewTarget::CreateSpace, QStringLiteral("\u00e9t\u00e9 \u2014 <i>x</i>"));
    EXPECT_EQ(launcher.run(page), PreviewLauncher::Outcome::Closed);
    EXPECT_EQ(TempFolder::read(received), page.toUtf8());
    const QRect g = owner.geometry();
    EXPECT_EQ(QString::fromUtf8(TempFolder::read(arguments)).trimmed(),
              QStringLiteral("--owner=%1 --owner-geometry=%2,%3,%4,%5")
                  .arg(owner.winId())
                  .arg(g.x())
                  .arg(g.y())
                  .arg(g.width())
                  .arg(g.height()));
}

TEST_F(PreviewLauncherTest, ButtonUnderTheMouseIsLeftAsUnderAModalWindow)
{
    owner.activateWindow();
    QCursor::setPos(button->mapToGlobal(button->rect().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return button->underMouse(); }, 5000));
    {
        InputBlocker blocker;
        EXPECT_FALSE(button->underMouse());
        // Moving about over the editor lights nothing up meanwhile.
        QCursor::setPos(button->mapToGlobal(button->rect().center() + QPoint(3, 1)));
        QTest::qWait(200);
        EXPECT_FALSE(button->underMouse());
    }
    QCursor::setPos(button->mapToGlobal(button->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->underMouse(); }, 5000));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}
