#include "PreviewLauncher.h"

#include "InputBlocker.h"
#include "MessageBox.h"
#include "PreviewHelperLocation.h"
#include "PreviewProtocol.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>
#include <QWidget>

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
        return QStringLiteral("The preview could not be shown because the preview program could not be started.");
    case Outcome::Crashed:
        return QStringLiteral("The preview program stopped unexpectedly. Your description is not affected.");
    case Outcome::Hung:
        return QStringLiteral("The preview program stopped responding and was closed. "
                              "Your description is not affected.");
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
    // Let the click that brought us here finish painting before the helper starts.
    QCoreApplication::processEvents();

    QProcess helper;
    helper.setProgram(m_helperPath);
    helper.setArguments(PreviewProtocol::HelperArguments(ownerOf(m_owner)));
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    QEventLoop loop;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool shown = false;
    bool settled = false;
    Outcome outcome = Outcome::Closed;
    const auto settle = [&](Outcome result) {
        if (settled)
            return;
        settled = true;
        outcome = result;
        loop.quit();
    };

    connect(&watchdog, &QTimer::timeout, &loop, [&] { settle(Outcome::Hung); });
    connect(&helper, &QProcess::readyReadStandardOutput, &loop, [&] {
        while (helper.canReadLine()) {
            const QByteArray line = helper.readLine();
            if (!shown && line == PreviewProtocol::ReadyLine()) {
                shown = true;
                busy.release();
                emit previewShown();
            }
            if (shown)
                watchdog.start(m_limits.silenceMs);
        }
    });
    connect(&helper, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            settle(Outcome::NotStarted);
    });
    connect(&helper, &QProcess::finished, &loop, [&](int exitCode, QProcess::ExitStatus status) {
        const bool normal = status == QProcess::NormalExit && exitCode == 0 && shown;
        settle(normal ? Outcome::Closed : Outcome::Crashed);
    });

    watchdog.start(m_limits.startMs);
    helper.start();
    if (!settled) {
        helper.write(page.toUtf8());
        helper.closeWriteChannel();
        loop.exec();
    }

    if (helper.state() != QProcess::NotRunning) {
        helper.kill();
        helper.waitForFinished(5000);
    }
    return outcome;
}

void ShowPreview(QWidget* owner, PreviewTarget target, const QString& fragment)
{
    PreviewLauncher(owner).run(BuildPreviewPage(target, fragment));
}
