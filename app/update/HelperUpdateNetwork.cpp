#include "HelperUpdateNetwork.h"

#include "HelperProgramLocation.h"
#include "UpdateHelperProtocol.h"
#include "UpdateSource.h"
#include "UpdateVersionText.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
// A helper orphaned by a killed editor would otherwise wait on a slow server alone.
void endWithEditor(QProcess& helper)
{
    const pid_t editor = getpid();
    helper.setChildProcessModifier([editor] {
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != editor)
            _exit(UpdateHelperProtocol::Failed);
    });
}

QString keyArgument(const UpdateSource& source)
{
    return QString::fromLatin1(source.publicKey.toBase64());
}

QString helperFault(const QProcess& helper, const QByteArray& output)
{
    if (helper.error() == QProcess::FailedToStart)
        return QStringLiteral("the update helper could not be started: ") + helper.errorString();
    if (helper.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("the update helper stopped unexpectedly");
    if (helper.exitCode() == 0)
        return {};
    const QString reason = QString::fromUtf8(output).trimmed().section(QLatin1Char('\n'), -1);
    return reason.isEmpty() ? QStringLiteral("the update helper failed (%1)").arg(helper.exitCode()) : reason;
}
} // namespace

HelperUpdateNetwork::HelperUpdateNetwork(QString helperPath) : m_helperPath(std::move(helperPath)) {}

QString HelperUpdateNetwork::DefaultHelperPath()
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString found = FindHelperProgram(folder, UpdateHelperProtocol::HelperFileName());
    return found.isEmpty() ? HelperProgramPlaces(folder, UpdateHelperProtocol::HelperFileName()).first() : found;
}

QString HelperUpdateNetwork::DownloadInstaller(const UpdateSource& source, const UpdateOffer& offer,
                                               const QString& folder)
{
    QProcess helper;
    endWithEditor(helper);
    helper.setProcessChannelMode(QProcess::SeparateChannels);
    helper.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(&helper, &QProcess::finished, &loop, &QEventLoop::quit);
    helper.start(m_helperPath, {UpdateHelperProtocol::InstallerCommand(), source.installerUrl().toString(QUrl::FullyEncoded),
                                source.signatureUrl().toString(QUrl::FullyEncoded), folder, keyArgument(source),
                                offer.LatestVersion, QString::number(offer.Serial)});
    // The windows stay painted while the helper works; its low-speed rule ends a slow download.
    if (!helper.waitForStarted(-1))
        return helperFault(helper, {});
    if (helper.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return helperFault(helper, helper.readAllStandardOutput());
}

void HelperUpdateNetwork::RefreshVersionText(const UpdateSource& source, std::function<void(bool)> done)
{
    // A child nobody waits for: it is reaped when it ends, or stopped when the editor quits.
    auto* helper = new QProcess(QCoreApplication::instance());
    endWithEditor(*helper);
    helper->setStandardOutputFile(QProcess::nullDevice());
    helper->setStandardErrorFile(QProcess::nullDevice());
    const auto end = [helper, done](bool kept) {
        helper->deleteLater();
        if (done)
            done(kept);
    };
    QObject::connect(helper, &QProcess::finished, helper, [helper, end](int code, QProcess::ExitStatus status) {
        end(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(helper, &QProcess::errorOccurred, helper, [end](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(false);
    });
    helper->start(m_helperPath, {UpdateHelperProtocol::VersionTextCommand(), source.versionUrl.toString(QUrl::FullyEncoded),
                                 source.cacheFile, keyArgument(source)});
}
