#include "UpdateHelperCommands.h"

#include "InstallerSignature.h"
#include "OwnFiles.h"
#include "ReleaseSerial.h"
#include "UpdateHelperProtocol.h"
#include "VersionTextFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString replaceFile(const QString& path, const QByteArray& bytes)
{
    // A link left in the cache is replaced, not written through to whatever it names.
    const QString fault = OwnFiles::Replace(path, bytes);
    return fault.isEmpty() ? fault : path + QStringLiteral(": ") + fault;
}

// The serial of a text the key signed, or why it is no good.
QString signedSerial(const QByteArray& text, const QByteArray& signature, const QByteArray& publicKey, qint64& serial)
{
    if (!VerifyEd25519Signature(publicKey, text, signature))
        return QStringLiteral("the version text's signature is not valid");
    const std::optional<VersionTextFields> fields = SplitVersionText(QString::fromUtf8(text));
    const std::optional<qint64> number = fields ? ReleaseSerial(fields->number) : std::nullopt;
    if (!number)
        return QStringLiteral("the version text names no release serial");
    serial = *number;
    return {};
}

QString installerFault(const QUrl& installerUrl, const QUrl& signatureUrl, const QString& installer,
                       const QByteArray& publicKey, const InstallerRelease& release, int windowMs)
{
    const QString signature = installer + QStringLiteral(".sig");
    QString fault = HttpDownload::ToFile(installerUrl, installer, {HttpDownload::MaxDownloadSize, windowMs});
    if (fault.isEmpty())
        fault = HttpDownload::ToFile(signatureUrl, signature, {MaxSignatureFileSize, windowMs, true});
    if (!fault.isEmpty())
        return fault;
    const QByteArray sha256 = FileSha256(installer);
    if (sha256.isEmpty() ||
        !VerifyEd25519Signature(publicKey, InstallerSigningText(release.version, release.serial, sha256),
                                wholeFile(signature, MaxSignatureFileSize)))
        return QStringLiteral("the installer's signature is not valid for release %1 (%2)")
            .arg(release.version)
            .arg(release.serial);
    if (!QFile::setPermissions(installer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QStringLiteral("the installer cannot be made executable");
    return {};
}
} // namespace

QString RefreshVersionTextFile(const QUrl& url, const QString& cacheFile, const QByteArray& publicKey, int windowMs)
{
    const HttpDownload::Limits text{UpdateHelperProtocol::MaxVersionTextSize, windowMs, true};
    QByteArray body;
    QByteArray signature;
    QString fault = HttpDownload::Text(url, text, body);
    if (fault.isEmpty())
        fault = HttpDownload::Text(UpdateHelperProtocol::SignatureAddress(url), {MaxSignatureFileSize, windowMs, true},
                                   signature);
    qint64 serial = 0;
    if (fault.isEmpty())
        fault = signedSerial(body, signature, publicKey, serial);
    if (!fault.isEmpty())
        return fault;

    const std::optional<qint64> accepted = ReadAcceptedSerial(cacheFile);
    if (accepted && serial < *accepted)
        return QStringLiteral("release serial %1 is older than the %2 accepted before").arg(serial).arg(*accepted);
    if (!OwnFiles::MakeFolder(QFileInfo(cacheFile).absolutePath()))
        return QStringLiteral("cannot create the folder of %1").arg(cacheFile);
    // The serial first: should the text not follow, the older text still cached is offered
    // no more (its serial no longer matches).
    fault = replaceFile(AcceptedSerialFile(cacheFile), QByteArray::number(serial));
    return fault.isEmpty() ? replaceFile(cacheFile, body) : fault;
}

QString DownloadSignedInstaller(const QUrl& installerUrl, const QUrl& signatureUrl, const QString& folder,
                                const QByteArray& publicKey, const InstallerRelease& release, int windowMs)
{
    const QString name = installerUrl.fileName();
    if (name.isEmpty() || !QFileInfo(folder).isDir())
        return QStringLiteral("no installer file name or no folder");
    const QString installer = QDir(folder).filePath(name);
    const QString fault = installerFault(installerUrl, signatureUrl, installer, publicKey, release, windowMs);
    if (!fault.isEmpty()) {
        QFile::remove(installer);
        QFile::remove(installer + QStringLiteral(".sig"));
    }
    return fault;
}
