#include "PreviewLauncher.h"

#include "FoldMeasure.h"
#include "HtmlGenerators.h"
#include "InputBlocker.h"
#include "MessageBox.h"
#include "HelperProgramLocation.h"
#include "PreviewProtocol.h"
#include "PreviewWarmer.h"
#include "QuotedTexts.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
PreviewProtocol::OwnerWindow ownerOf(QWidget* owner)
{
    PreviewProtocol::OwnerWindow result;
    // Only X11 can name a window of ours to another process and place by screen
    // position; elsewhere the helper centres itself on the screen.
    if (!owner || QGuiApplication::platformName() != QLatin1String("xcb"))
        return result;
    QWidget* window = owner->window();
    result.windowId = static_cast<quintptr>(window->winId());
    if (window->isVisible())
        result.geometry = window->geometry();
    return result;
}

// Restores the cursor however run() ends.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { release(); }
    void release()
    {
        if (m_busy)
            QGuiApplication::restoreOverrideCursor();
        m_busy = false;
    }

private:
    bool m_busy = true;
};
} // namespace

PreviewLauncher::PreviewLauncher(QWidget* owner, QObject* parent)
    : QObject(parent), m_owner(owner), m_helperPath(DefaultHelperPath())
{
}

QString PreviewLauncher::DefaultHelperPath()
{
    return FindPreviewHelper(QCoreApplication::applicationDirPath());
}

QString PreviewLauncher::MessageFor(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Closed:
        return {};
    case Outcome::NotStarted:
        return QString::fromLatin1(QuotedTexts::PreviewNotStarted);
    case Outcome::Crashed:
        return QString::fromLatin1(QuotedTexts::PreviewStopped);
    case Outcome::Hung:
        return QStringLiteral("The preview program stopped responding and was closed. "
                              "Your description is not affected.");
    case Outcome::Mismatch:
        return QStringLiteral("The preview could not be shown because the preview program belongs to a different "
                              "version of Quorvane. Please install Quorvane again.");
    }
    return {};
}

PreviewLauncher::Outcome PreviewLauncher::run(const QString& page)
{
    if (m_helperPath.isEmpty()) {
        ShowMessage(PreviewHelperMissingMessage(PreviewHelperPlaces(QCoreApplication::applicationDirPath())),
                    MsgIcon::Exclamation);
        return Outcome::NotStarted;
    }
    const Outcome outcome = runHelper(page);
    // Only now, with the editor taking input again, can the user answer a message.
    if (outcome != Outcome::Closed)
        ShowMessage(MessageFor(outcome), MsgIcon::Exclamation);
    return outcome;
}

PreviewLauncher::Outcome PreviewLauncher::runHelper(const QString& page)
{
    InputBlocker blocker;
    BusyCursor busy;
    // No helper warms while this one is in use; the warm one, if any, serves this preview.
    struct Pause {
        PreviewWarmer* warmer;
        explicit Pause(PreviewWarmer* w) : warmer(w) { if (warmer) warmer->setPaused(true); }
        ~Pause() { if (warmer) warmer->setPaused(false); }
    } pause(m_warmer);
    std::unique_ptr<QProcess> helper = m_warmer ? m_warmer->take() : nullptr;
    const bool wasWarm = helper != nullptr;
    // Let the click that brought us here finish painting; a cold helper starts meanwhile.
    if (!helper)
        helper = PreviewWarmer::StartHelper(m_helperPath, PreviewProtocol::DefaultIdleMs);
    QCoreApplication::processEvents();

    const QByteArray utf8 = page.toUtf8();
    QObject guard;
    connect(this, &PreviewLauncher::previewShown, &guard, [&busy] { busy.release(); });
    bool windowUp = false;
    Outcome outcome = runWith(*helper, utf8, &windowUp);
    // A warm helper that died before taking the page (killed, say) is no reason to fail:
    // start one as if none had been warm.
    if (wasWarm && !windowUp && (outcome == Outcome::Crashed || outcome == Outcome::NotStarted)) {
        helper = PreviewWarmer::StartHelper(m_helperPath, PreviewProtocol::DefaultIdleMs);
        outcome = runWith(*helper, utf8, &windowUp);
    }
    if (helper->state() != QProcess::NotRunning) {
        helper->kill();
        helper->waitForFinished(5000);
    }
    return outcome;
}

PreviewLauncher::Outcome PreviewLauncher::runWith(QProcess& helper, const QByteArray& page, bool* windowUp)
{
    QEventLoop loop;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool greeted = false;   // it speaks our version and has the page
    bool shown = false;     // its window is up and its page has loaded
    bool settled = false;
    Outcome outcome = Outcome::Closed;
    const auto settle = [&](Outcome result) {
        if (settled)
            return;
        settled = true;
        outcome = result;
        loop.quit();
    };

    const auto readLines = [&] {
        while (!settled && helper.canReadLine()) {
            const QByteArray line = helper.readLine();
            if (!greeted) {
                if (line != PreviewProtocol::HelloLine()) {
                    std::fprintf(stderr, "%s\n", qPrintable(PreviewProtocol::EditorRefusal(line)));
                    settle(Outcome::Mismatch);
                    return;
                }
                greeted = true;
                // The owner as it is now: the window may have moved since the helper started.
                helper.write(PreviewProtocol::PageMessage(page, ownerOf(m_owner), m_pageArguments));
                helper.closeWriteChannel();
                continue;
            }
            if (!*windowUp && line == PreviewProtocol::ShownLine()) {
                *windowUp = true;
                emit windowShown();
            }
            if (!shown && line == PreviewProtocol::ReadyLine()) {
                *windowUp = true;
                shown = true;
                emit previewShown();
            }
            if (shown)
                watchdog.start(m_limits.silenceMs);
        }
    };

    QObject guard; // the connections end with this run
    connect(&watchdog, &QTimer::timeout, &guard, [&] { settle(Outcome::Hung); });
    connect(&helper, &QProcess::readyReadStandardOutput, &guard, readLines);
    connect(&helper, &QProcess::errorOccurred, &guard, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            settle(Outcome::NotStarted);
    });
    connect(&helper, &QProcess::finished, &guard, [&](int exitCode, QProcess::ExitStatus status) {
        readLines();
        if (status == QProcess::NormalExit && exitCode == PreviewProtocol::RefusedExitCode && !*windowUp) {
            settle(Outcome::Mismatch);
            return;
        }
        // Closed before its page had loaded is closed all the same.
        const bool normal = status == QProcess::NormalExit && exitCode == 0 && *windowUp;
        settle(normal ? Outcome::Closed : Outcome::Crashed);
    });

    watchdog.start(m_limits.startMs);
    if (helper.state() == QProcess::NotRunning && helper.error() == QProcess::FailedToStart)
        settle(Outcome::NotStarted);
    // A warm helper has spoken already.
    readLines();
    if (!settled && helper.state() == QProcess::NotRunning)
        settle(Outcome::Crashed);
    if (!settled)
        loop.exec();
    return outcome;
}

void ShowPreview(QWidget* owner, PreviewTarget target, const Description& description)
{
    PreviewLauncher launcher(owner);
    launcher.setWarmer(owner ? owner->window()->findChild<PreviewWarmer*>() : nullptr);
    // The fold of every kind of page goes along, so the preview can switch without the editor.
    launcher.setPageArguments(FoldArguments(MeasureFoldMarks(description, target, FoldProfileFromSettings())));
    const QString fragment =
        target == PreviewTarget::Kindle ? GenerateKindleHTML(description) : GenerateCreatespaceHTML(description);
    launcher.run(BuildPreviewPage(target, fragment));
}
