// The editor's side of the preview: a helper that is missing, fails, hangs or keeps talking.
#include "InputBlocker.h"
#include "MessageBox.h"
#include "PreviewLauncher.h"
#include "PreviewPage.h"
#include "PreviewProtocol.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Outcome = PreviewLauncher::Outcome;

namespace {
const QString OwnerText = u"The author's unsaved text"_s;

// The editor's stand-in: a window with a text box and a button.
class PreviewLauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&owner);
        layout->addWidget(text = new QLineEdit(OwnerText));
        layout->addWidget(button = new QPushButton(u"Button"_s));
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        owner.setGeometry(200, 150, 994, 747);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }

    void expectOwnerUntouched() { EXPECT_TRUE(owner.isVisible() && text->text() == OwnerText && clicks == 0); }

    QString writeHelper(const QString& script)
    {
        // Greets as a helper of this build does.
        const QString path = folder.write(u"fake-preview"_s,
                                          ("#!/bin/sh\nprintf '" + PreviewProtocol::HelloLine().replace("\n", "\\n")
                                           + "'\n" + script.toUtf8() + "\n"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QWidget owner;
    QLineEdit* text = nullptr;
    QPushButton* button = nullptr;
    int clicks = 0;
    TempFolder folder;
    ScriptedMessages messages;
    PreviewLauncher launcher{&owner};
};
} // namespace

TEST_F(PreviewLauncherTest, FailingHelperIsReportedAndTheEditorLeftAsItWas)
{
    // Makes the real helper's engine unable to start.
    qputenv("QTWEBENGINEPROCESS_PATH", folder.file(u"missing-engine"_s).toUtf8());
    const struct {
        const char* helper; // a script; "" = the real helper; nullptr = none at all
        Outcome outcome;
    } rows[] = {
        {nullptr, Outcome::NotStarted},
        {"", Outcome::Crashed},
        {"kill -SEGV $$", Outcome::Crashed},
        {"cat >/dev/null; echo ready; sleep 0.3; kill -ABRT $$", Outcome::Crashed},
        {"exit 0", Outcome::Crashed},
        {"cat >/dev/null; exit 1", Outcome::Crashed},
        {"cat >/dev/null; echo shown; exit 1", Outcome::Crashed},
        {"cat >/dev/null; echo shown; kill -SEGV $$", Outcome::Crashed},
        // Silent from the start, and silent after saying it is ready.
        {"exec sleep 60", Outcome::Hung},
        {"cat >/dev/null; echo ready; exec sleep 60", Outcome::Hung},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.helper ? row.helper : "no helper");
        messages.clear();
        launcher.setHelperPath(!row.helper ? folder.file(u"no-such-helper"_s)
                               : *row.helper ? writeHelper(QString::fromLatin1(row.helper))
                                             : qEnvironmentVariable("QUORVANE_BIN_DIR") + u"/quorvane-preview"_s);
        launcher.setLimits(row.outcome == Outcome::Hung ? PreviewLauncher::Limits{1000, 1000} : PreviewLauncher::Limits{});
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(launcher.run(BuildPreviewPage(PreviewTarget::Kindle, u"<H2>A page</H2>"_s)), row.outcome);
        EXPECT_LT(timer.elapsed(), row.outcome == Outcome::Hung ? 10000 : 60000);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, PreviewLauncher::MessageFor(row.outcome));
        EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(messages.shown()[0].caption, "Quorvane");
    }
    qunsetenv("QTWEBENGINEPROCESS_PATH");
    expectOwnerUntouched();
}

TEST_F(PreviewLauncherTest, HelperThatKeepsTalkingIsNotTakenForHangingAndTheEditorWaits)
{
    launcher.setLimits({1000, 1000});
    launcher.setHelperPath(
        writeHelper(u"cat >/dev/null; echo ready; for i in 1 2 3 4 5 6; do sleep 0.4; echo alive; done; exit 0"_s));
    QTimer::singleShot(500, &owner, [this] {
        QTest::keyClicks(text, u"typed"_s);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    EXPECT_EQ(launcher.run(u"<p>page</p>"_s), Outcome::Closed);
    EXPECT_TRUE(messages.shown().empty());
    expectOwnerUntouched();
    // And takes input again afterwards.
    QTest::keyClicks(text, u"!"_s);
    EXPECT_EQ(text->text(), OwnerText + u"!"_s);
}

TEST_F(PreviewLauncherTest, WindowClosedBeforeItsPageLoadedIsAnOrdinaryClose)
{
    int windows = 0;
    QObject::connect(&launcher, &PreviewLauncher::windowShown, [&] { ++windows; });
    launcher.setHelperPath(writeHelper(u"cat >/dev/null; echo shown; sleep 0.2; exit 0"_s));
    EXPECT_EQ(launcher.run(u"<p>page</p>"_s), Outcome::Closed);
    EXPECT_EQ(windows, 1);
    EXPECT_TRUE(messages.shown().empty());
    expectOwnerUntouched();
}

// The real helper with a page that takes seconds to load, closed with Esc as soon as
// its window is up.
TEST_F(PreviewLauncherTest, RealPreviewClosedWhileItsPageLoads)
{
    const QString paragraph = u"<p>A long paragraph of the description, written again and again to make a page "
                              u"that takes the engine a while to lay out.</p>"_s;
    const QString page = BuildPreviewPage(PreviewTarget::Kindle, paragraph.repeated(8 * 1024 * 1024 / paragraph.size()));
    launcher.setHelperPath(qEnvironmentVariable("QUORVANE_BIN_DIR") + u"/quorvane-preview"_s);
    bool loaded = false, loadedBeforeKey = false;
    QObject::connect(&launcher, &PreviewLauncher::previewShown, [&] { loaded = true; });
    QObject::connect(&launcher, &PreviewLauncher::windowShown, [&] {
        pressOnceShown(u"^Preview$"_s, u"Escape"_s);
        loadedBeforeKey = loaded;
    });
    EXPECT_EQ(launcher.run(page), Outcome::Closed);
    EXPECT_FALSE(loadedBeforeKey) << "the page loaded before the key could close its window";
    EXPECT_TRUE(messages.shown().empty());
    expectOwnerUntouched();
}

TEST_F(PreviewLauncherTest, HelperGetsThePageAndTheOwner)
{
    const QString received = folder.file(u"received"_s), arguments = folder.file(u"arguments"_s);
    launcher.setHelperPath(writeHelper(u"cat >'%1'; echo \"$@\" >'%2'; echo ready"_s.arg(received, arguments)));
    const QString page = BuildPreviewPage(PreviewTarget::CreateSpace, u"\u00e9t\u00e9 \u2014 <i>x</i>"_s);
    EXPECT_EQ(launcher.run(page), Outcome::Closed);
    const QRect g = owner.geometry();
    const QByteArray header = u"page %1 --owner=%2 --owner-geometry=%3,%4,%5,%6\n"_s.arg(page.toUtf8().size())
                                  .arg(owner.winId()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()).toUtf8();
    EXPECT_EQ(TempFolder::read(received), header + page.toUtf8());
    EXPECT_EQ(QString::fromUtf8(TempFolder::read(arguments)).trimmed(), PreviewProtocol::HelperArguments().join(u' '));
}

TEST_F(PreviewLauncherTest, ButtonUnderTheMouseIsLeftAsUnderAModalWindow)
{
    owner.activateWindow();
    const QPoint centre = button->mapToGlobal(button->rect().center());
    QCursor::setPos(centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return button->underMouse(); }, 5000));
    {
        InputBlocker blocker;
        EXPECT_FALSE(button->underMouse());
        // Moving about over the editor lights nothing up meanwhile.
        QCursor::setPos(centre + QPoint(3, 1));
        QTest::qWait(200);
        EXPECT_FALSE(button->underMouse());
    }
    QCursor::setPos(centre);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->underMouse(); }, 5000));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}
