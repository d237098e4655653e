#pragma once

#include <QString>

#include <functional>
#include <memory>

struct UpdateOffer;
struct UpdateSource;

// The update check's only way onto the network. Requests always go to the server: no
// cached copy is ever used, and a download that slows to a trickle fails.
class UpdateNetwork {
public:
    virtual ~UpdateNetwork() = default;

    // Downloads the source's installer and its detached signature into the folder (under
    // the installer address's file name, and ".sig") and returns when it has ended: empty
    // when the installer is whole, signed with the source's key for the offer's release and
    // executable by this user, else why not (nothing is then left in the folder). Takes no
    // user input meanwhile.
    virtual QString DownloadInstaller(const UpdateSource& source, const UpdateOffer& offer, const QString& folder) = 0;

    // Starts fetching the source's version text into its cache file and returns at once;
    // the file is replaced only by a text signed with the source's key whose release serial
    // is not below the highest accepted. done (if given) learns whether it was.
    virtual void RefreshVersionText(const UpdateSource& source, std::function<void(bool)> done) = 0;
};

// The network the update check uses: the update helper program unless a test installed
// another.
UpdateNetwork& TheUpdateNetwork();
// Installs a replacement (nothing: back to the real network); returns the one it replaces.
std::unique_ptr<UpdateNetwork> SetUpdateNetwork(std::unique_ptr<UpdateNetwork> network);
