#pragma once

#include "HttpDownload.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

// What the update helper does. Each returns empty on success, else why it failed.

// Fetches the version text and its detached signature (at the text's address with ".sig")
// and keeps the text in the cache file only when the key signed its exact bytes and its
// release serial is not below the highest accepted so far, which is then kept beside it.
// Any failure leaves both files as they were.
QString RefreshVersionTextFile(const QUrl& url, const QString& cacheFile, const QByteArray& publicKey,
                               int windowMs = HttpDownload::DefaultWindowMs);

// The release an installer must be signed for.
struct InstallerRelease {
    QString version;
    qint64 serial = 0;
};

// Downloads the installer and its detached signature into the folder, under the installer
// address's file name (and ".sig"), and keeps the installer only when it is whole and its
// signature, under the key, binds it to the release; it is then executable by this user
// alone. On any failure both files are removed again.
QString DownloadSignedInstaller(const QUrl& installerUrl, const QUrl& signatureUrl, const QString& folder,
                                const QByteArray& publicKey, const InstallerRelease& release,
                                int windowMs = HttpDownload::DefaultWindowMs);
