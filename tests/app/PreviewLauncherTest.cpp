#include "InputBlocker.h"
#include "MessageBox.h"
#include "PreviewLauncher.h"
#include "PreviewPage.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "X11Probe.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <signal.h>

namespace {
const QString OwnerText = QStringLiteral("The author's unsaved text");

QString helperPath()
{
    return qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane-preview");
}

// A page with a block of one colour, to be found on the screen.
QString pageWithBlock(const QString& colour, const QString& words)
{
    return BuildPreviewPage(PreviewTarget::Kindle,
                            QStringLiteral("<H2>%1</H2><div style=\"background:%2; width:300px; height:120px\"></div>")
                                .arg(words, colour));
}

// What the screen shows of the window, counted in pixels of one colour.
int pixelsOfColour(X11Probe& x11, xcb_window_t window, QRgb colour)
{
    const QRect area = x11.geometry(window);
    const QImage image =
        QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

bool pressKeyIn(xcb_window_t window, const char* key)
{
    const QString id = QString::number(window);
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id})
               == 0
           && QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(key)}) == 0;
}

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

    // Runs the launcher; `whileShown` runs once the helper says its page is on screen.
    PreviewLauncher::Outcome runPreview(PreviewLauncher& launcher, const QString& page,
                                        std::function<void()> whileShown = {})
    {
        bool ran = false;
        const auto connection = QObject::connect(&launcher, &PreviewLauncher::previewShown, &launcher, [&] {
            QTimer::singleShot(0, &launcher, [&] {
                ran = true;
                if (whileShown)
                    whileShown();
            });
        });
        const auto outcome = launcher.run(page);
        QObject::disconnect(connection);
        if (whileShown) {
            EXPECT_TRUE(ran);
        }
        return outcome;
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
    X11Probe x11;
};
} // namespace

TEST_F(PreviewLauncherTest, PreviewBelongsToTheEditorAndClosesWithEscapeThenEnter)
{
    PreviewLauncher launcher(&owner);
    launcher.setHelperPath(helperPath());

    xcb_window_t firstWindow = 0;
    const auto first = runPreview(launcher, pageWithBlock(QStringLiteral("#ff0000"), QStringLiteral("First")), [&] {
        const QList<xcb_window_t> windows = x11.windowsTitled(QStringLiteral("Preview"));
        ASSERT_EQ(windows.size(), 1);
        firstWindow = windows.first();
        EXPECT_EQ(x11.transientFor(firstWindow), owner.winId());
        EXPECT_TRUE(x11.states(firstWindow).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
        EXPECT_TRUE(x11.states(firstWindow).contains(QStringLiteral("_NET_WM_STATE_MODAL")));
        EXPECT_TRUE(x11.types(firstWindow).contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG")));
        const QRect preview = x11.geometry(firstWindow);
        EXPECT_EQ(preview.size(), QSize(743, 647));
        EXPECT_LE((preview.center() - owner.geometry().center()).manhattanLength(), 2);

        EXPECT_TRUE(QTest::qWaitFor([&] { return pixelsOfColour(x11, firstWindow, qRgb(255, 0, 0)) > 1000; }, 10000));

        // The editor takes no input meanwhile.
        QTest::keyClicks(text, QStringLiteral("typed"));
        QTest::mouseClick(button, Qt::LeftButton);
        expectOwnerUntouched();

        EXPECT_TRUE(pressKeyIn(firstWindow, "Escape"));
    });
    EXPECT_EQ(first, PreviewLauncher::Outcome::Closed);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(x11.windowsTitled(QStringLiteral("Preview")).isEmpty());

    const auto second = runPreview(launcher, pageWithBlock(QStringLiteral("#00ff00"), QStringLiteral("Second")), [&] {
        const QList<xcb_window_t> windows = x11.windowsTitled(QStringLiteral("Preview"));
        ASSERT_EQ(windows.size(), 1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pixelsOfColour(x11, windows.first(), qRgb(0, 255, 0)) > 1000; }, 10000));
        EXPECT_EQ(pixelsOfColour(x11, windows.first(), qRgb(255, 0, 0)), 0);
        EXPECT_TRUE(pressKeyIn(windows.first(), "Return"));
    });
    EXPECT_EQ(second, PreviewLauncher::Outcome::Closed);
    EXPECT_TRUE(messages.shown().empty());

    // Input reaches the editor again.
    expectOwnerUntouched();
    QTest::keyClicks(text, QStringLiteral("!"));
    EXPECT_EQ(text->text(), OwnerText + QStringLiteral("!"));
}

TEST_F(PreviewLauncherTest, MissingHelperLeavesTheEditorAsItWas)
{
    PreviewLauncher launcher(&owner);
    launcher.setHelperPath(folder.file(QStringLiteral("no-such-helper")));
    EXPECT_EQ(launcher.run(pageWithBlock(QStringLiteral("#ff0000"), QStringLiteral("x"))),
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
    const auto outcome = launcher.run(pageWithBlock(QStringLiteral("#ff0000"), QStringLiteral("x")));
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
    EXPECT_EQ(launcher.run(QStringLiteral("<p>page</p>")), PreviewLauncher::Outcome::Closed);
    EXPECT_TRUE(messages.shown().empty());
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
