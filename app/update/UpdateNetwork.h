#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

// The update check's only way onto the network. Requests always go to the server: no
// cached copy is ever used.
class UpdateNetwork {
public:
    virtual ~UpdateNetwork() = default;

    // Downloads the installer and its detached signature into the folder (under the
    // installer address's file name, and ".sig") and returns when it has ended: empty when
    // the installer is whole, signed with the key and executable by this user, else why
    // not (nothing is then left in the folder). Takes no user input meanwhile.
    virtual QString DownloadInstaller(const QUrl& installerUrl, const QUrl& signatureUrl, const QString& folder,
                                      const QByteArray& publicKey) = 0;

    // Starts fetching the version text into the cache file and returns at once; the file is
    // replaced only by a whole answer. done (if given) learns whether it was.
    virtual void RefreshVersionText(const QUrl& url, const QString& cacheFile, std::function<void(bool)> done) = 0;
};

// The network the update check uses: the update helper program unless a test installed
// another.
UpdateNetwork& TheUpdateNetwork();
// Installs a replacement (nothing: back to the real network); returns the one it replaces.
std::unique_ptr<UpdateNetwork> SetUpdateNetwork(std::unique_ptr<UpdateNetwork> network);
