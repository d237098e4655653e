#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// Where the update check looks and what it trusts.
struct UpdateSource {
    QUrl versionUrl;       // the version text; empty: no update check at all
    QByteArray publicKey;  // raw Ed25519 public key (32 bytes) that signs texts and installers
    QString cacheFile;     // the version text the last start fetched

    // Without an address or a well-formed key nothing can be trusted, so nothing is checked.
    bool usable() const;
    // The folder of the cache file, which also holds the downloaded installers.
    QString cacheFolder() const;

    // The installer and its detached signature, in /downloads/ on the same host.
    QUrl installerUrl() const;
    QUrl signatureUrl() const;
};

// The installer's file name, also the name it is saved under.
QString InstallerFileName();

// The deployment's source: the built-in address unless QUORVANE_UPDATE_URL is set (an empty
// value turns the check off), the built-in key unless QUORVANE_UPDATE_PUBLIC_KEY (base64)
// is set, and a file in the user's cache folder.
UpdateSource DeployedUpdateSource();

// The source the main window's check uses: the deployment's unless one was set here.
UpdateSource CurrentUpdateSource();
void SetUpdateSource(std::optional<UpdateSource> source);

// The "CheckForUpdates" setting: anything but a leading 0 leaves the check on.
bool UpdateCheckEnabled();
