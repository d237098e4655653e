#pragma once

#include "UpdateNetwork.h"

// The update check's network over HTTP(S). A network manager lives only while a request
// runs, so a program that has finished its fetch carries none.
class HttpUpdateNetwork : public UpdateNetwork {
public:
    // Give up when nothing has arrived for this long.
    static constexpr int FetchTimeoutMs = 5000;
    static constexpr int DownloadTimeoutMs = 30000;
    // No installer is this large; a server that sends more is not sending one.
    static constexpr qint64 MaxDownloadSize = qint64(512) * 1024 * 1024;

    QString DownloadToFile(const QUrl& url, const QString& path) override;
    void Fetch(const QUrl& url, qint64 maxBytes, std::function<void(std::optional<QByteArray>)> done) override;
};
