#include "UpdateInstaller.h"

#include "InstallerSignature.h"
#include "UpdateNetwork.h"
#include "UpdateSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <limits>

namespace {
// A signature is 64 bytes; anything much larger is not one.
constexpr qint64 MaxSignatureFileSize = 4096;

QByteArray wholeFile(const QString& path, qint64 maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxSize)
        return {};
    return file.readAll();
}
} // namespace

InstallerDownload DownloadInstaller(const UpdateSource& source)
{
    // Created 0700: nobody else can swap the file between the check and the start.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quorvane-update-XXXXXX"));
    if (!folder.isValid())
        return {{}, folder.errorString()};
    const QString installer = folder.filePath(InstallerFileName());
    const QString signature = installer + QStringLiteral(".sig");

    UpdateNetwork& network = TheUpdateNetwork();
    QString fault = network.DownloadToFile(source.installerUrl(), installer);
    if (fault.isEmpty())
        fault = network.DownloadToFile(source.signatureUrl(), signature);
    if (!fault.isEmpty())
        return {{}, fault};

    const QByteArray bytes = wholeFile(installer, std::numeric_limits<qint64>::max());
    if (!VerifyEd25519Signature(source.publicKey, bytes, wholeFile(signature, MaxSignatureFileSize)))
        return {{}, QStringLiteral("the installer's signature is not valid")};
    if (!QFile::setPermissions(installer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return {{}, QStringLiteral("the installer cannot be made executable")};

    folder.setAutoRemove(false);
    return {installer, {}};
}

bool StartInstaller(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QProcess::startDetached(path, {}, folder))
        return true;
    QDir(folder).removeRecursively();
    return false;
}
