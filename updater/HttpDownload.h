#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// Plain HTTP(S) requests that always go to the server: no cached copy is ever used. Each
// returns when the request has ended, running an event loop meanwhile.
namespace HttpDownload {
// Give up when nothing has arrived for this long.
constexpr int FetchTimeoutMs = 5000;
constexpr int DownloadTimeoutMs = 30000;
// No installer is this large; a server that sends more is not sending one.
constexpr qint64 MaxDownloadSize = qint64(512) * 1024 * 1024;

// Downloads the URL into the file. Empty on success, else why it failed (the file is then
// removed).
QString ToFile(const QUrl& url, const QString& path, qint64 maxBytes = MaxDownloadSize,
               int timeoutMs = DownloadTimeoutMs);

// Fetches a small text whole, or nothing on any failure (network, HTTP status, timeout,
// more than maxBytes).
std::optional<QByteArray> Text(const QUrl& url, qint64 maxBytes, int timeoutMs = FetchTimeoutMs);
} // namespace HttpDownload
