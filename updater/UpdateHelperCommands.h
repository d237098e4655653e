#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// What the update helper does. Each returns empty on success, else why it failed.

// A version line with its notes; anything larger is not one.
constexpr qint64 MaxVersionTextSize = 64 * 1024;

// Fetches the version text and replaces the cache file with it, whole, only when it arrived
// whole; any failure leaves the old file as it was.
QString RefreshVersionTextFile(const QUrl& url, const QString& cacheFile);

// Downloads the installer and its detached signature into the folder, under the installer
// address's file name (and ".sig"), and keeps the installer only when it is whole and
// signed with the key; it is then executable by this user alone. On any failure both
// files are removed again.
QString DownloadSignedInstaller(const QUrl& installerUrl, const QUrl& signatureUrl, const QString& folder,
                                const QByteArray& publicKey);
