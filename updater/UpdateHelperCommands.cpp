#include "UpdateHelperCommands.h"

#include "HttpDownload.h"
#include "InstallerSignature.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QString installerFault(const QUrl& installerUrl, const QUrl& signatureUrl, const QString& installer,
                       const QByteArray& publicKey)
{
    const QString signature = installer + QStringLiteral(".sig");
    QString fault = HttpDownload::ToFile(installerUrl, installer);
    if (fault.isEmpty())
        fault = HttpDownload::ToFile(signatureUrl, signature, MaxSignatureFileSize);
    if (!fault.isEmpty())
        return fault;
    const QByteArray bytes = wholeFile(installer, std::numeric_limits<qint64>::max());
    if (!VerifyEd25519Signature(publicKey, bytes, wholeFile(signature, MaxSignatureFileSize)))
        return QStringLiteral("the installer's signature is not valid");
    if (!QFile::setPermissions(installer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QStringLiteral("the installer cannot be made executable");
    return {};
}
} // namespace

QString RefreshVersionTextFile(const QUrl& url, const QString& cacheFile)
{
    const std::optional<QByteArray> text = HttpDownload::Text(url, MaxVersionTextSize);
    if (!text)
        return QStringLiteral("no version text from %1").arg(url.toString());
    if (!QDir().mkpath(QFileInfo(cacheFile).absolutePath()))
        return QStringLiteral("cannot create the folder of %1").arg(cacheFile);
    QSaveFile file(cacheFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(*text) != text->size() || !file.commit())
        return file.errorString();
    return {};
}

QString DownloadSignedInstaller(const QUrl& installerUrl, const QUrl& signatureUrl, const QString& folder,
                                const QByteArray& publicKey)
{
    const QString name = installerUrl.fileName();
    if (name.isEmpty() || !QFileInfo(folder).isDir())
        return QStringLiteral("no installer file name or no folder");
    const QString installer = QDir(folder).filePath(name);
    const QString fault = installerFault(installerUrl, signatureUrl, installer, publicKey);
    if (!fault.isEmpty()) {
        QFile::remove(installer);
        QFile::remove(installer + QStringLiteral(".sig"));
    }
    return fault;
}
