#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

// The update check's only way onto the network. Requests always go to the server: no
// cached copy is ever used.
class UpdateNetwork {
public:
    virtual ~UpdateNetwork() = default;

    // Downloads the URL into the file and returns when it has ended. Empty on success,
    // else why it failed (the file is then removed). Takes no user input meanwhile.
    virtual QString DownloadToFile(const QUrl& url, const QString& path) = 0;

    // Starts fetching a small text and returns at once; done gets the body, or nothing on
    // any failure (network, HTTP status, timeout, more than maxBytes).
    virtual void Fetch(const QUrl& url, qint64 maxBytes, std::function<void(std::optional<QByteArray>)> done) = 0;
};

// The network the update check uses: plain HTTP(S) unless a test installed another.
UpdateNetwork& TheUpdateNetwork();
// Installs a replacement (nothing: back to the real network); returns the one it replaces.
std::unique_ptr<UpdateNetwork> SetUpdateNetwork(std::unique_ptr<UpdateNetwork> network);
