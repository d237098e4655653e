// The editor's update helper: the only program of Quorvane that goes onto the network, so
// the editor itself carries no network or crypto code.
#include "HttpDownload.h"
#include "ReleaseSerial.h"
#include "UpdateHelperCommands.h"
#include "UpdateHelperProtocol.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdio>

namespace {
QUrl addressArgument(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.isRelative() ? url : QUrl();
}

int finish(const QString& fault)
{
    if (fault.isEmpty())
        return 0;
    // One line, so the editor can log it.
    std::fprintf(stdout, "%s\n", qPrintable(QString(fault).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    return UpdateHelperProtocol::Failed;
}

int usage()
{
    std::fprintf(stdout, "usage: quorvane-update version-text URL FILE KEY | "
                         "installer URL SIGNATURE-URL FOLDER KEY VERSION SERIAL\n");
    return UpdateHelperProtocol::BadArguments;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString command = args.value(1);
    const int window = HttpDownload::WindowFromEnvironment();
    if (command == UpdateHelperProtocol::VersionTextCommand() && args.size() == 5) {
        const QUrl url = addressArgument(args[2]);
        if (url.isEmpty() || args[3].isEmpty())
            return usage();
        return finish(RefreshVersionTextFile(url, args[3], QByteArray::fromBase64(args[4].toLatin1()), window));
    }
    if (command == UpdateHelperProtocol::InstallerCommand() && args.size() == 8) {
        const QUrl installer = addressArgument(args[2]);
        const QUrl signature = addressArgument(args[3]);
        const std::optional<qint64> serial = ReleaseSerial(args[7]);
        if (installer.isEmpty() || signature.isEmpty() || args[4].isEmpty() || !serial)
            return usage();
        return finish(DownloadSignedInstaller(installer, signature, args[4], QByteArray::fromBase64(args[5].toLatin1()),
                                              {args[6], *serial}, window));
    }
    return usage();
}
