#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Plain HTTP(S) requests that always go to the server: no cached copy is ever used. Each
// returns when the request has ended, running an event loop meanwhile. The body is read in
// pieces of ReadBufferSize, so the network layer never holds more of it than that.
namespace HttpDownload {
// A download fails when fewer than MinBytesPerWindow arrive in any window.
constexpr qint64 MinBytesPerWindow = 1024;
constexpr int DefaultWindowMs = 30000;
// No installer is this large; a server that sends more is not sending one.
constexpr qint64 MaxDownloadSize = qint64(512) * 1024 * 1024;
constexpr qint64 ReadBufferSize = 16 * 1024;

struct Limits {
    qint64 maxBytes = MaxDownloadSize;
    int windowMs = DefaultWindowMs;
    // A small text must also be whole within one window, however steadily it trickles in.
    bool wholeWithinWindow = false;
};

// The window: QUORVANE_UPDATE_WINDOW_MS when it holds a positive number of milliseconds
// (the tests shorten it), else DefaultWindowMs.
int WindowFromEnvironment();

// Downloads the URL into the file. Empty on success, else why it failed (the file is then
// removed).
QString ToFile(const QUrl& url, const QString& path, const Limits& limits);

// Fetches a small text whole into body. Empty on success, else why not (body is then empty).
QString Text(const QUrl& url, const Limits& limits, QByteArray& body);
} // namespace HttpDownload
