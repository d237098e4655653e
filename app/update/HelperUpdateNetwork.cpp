#include "HelperUpdateNetwork.h"

#include "PreviewHelperLocation.h"
#include "UpdateHelperProtocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

namespace {
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

QString HelperUpdateNetwork::DownloadInstaller(const QUrl& installerUrl, const QUrl& signatureUrl,
                                               const QString& folder, const QByteArray& publicKey)
{
    QProcess helper;
    helper.setProcessChannelMode(QProcess::SeparateChannels);
    helper.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(&helper, &QProcess::finished, &loop, &QEventLoop::quit);
    helper.start(m_helperPath, {UpdateHelperProtocol::InstallerCommand(), installerUrl.toString(QUrl::FullyEncoded),
                                signatureUrl.toString(QUrl::FullyEncoded), folder, QString::fromLatin1(publicKey.toBase64())});
    // The windows stay painted while the helper works; the helper ends by its own timeouts.
    if (!helper.waitForStarted(-1))
        return helperFault(helper, {});
    if (helper.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return helperFault(helper, helper.readAllStandardOutput());
}

void HelperUpdateNetwork::RefreshVersionText(const QUrl& url, const QString& cacheFile, std::function<void(bool)> done)
{
    // A child nobody waits for: it is reaped when it ends, or stopped when the editor quits.
    auto* helper = new QProcess(QCoreApplication::instance());
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
    helper->start(m_helperPath, {UpdateHelperProtocol::VersionTextCommand(), url.toString(QUrl::FullyEncoded), cacheFile});
}
