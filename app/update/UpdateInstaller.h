#pragma once

#include <QString>

struct UpdateOffer;
struct UpdateSource;

// The installer as downloaded: its path, or why there is none.
struct InstallerDownload {
    QString path;
    QString fault;
};

// Downloads the installer and its detached signature into a new folder beside the cached
// version text that only this user can read, and keeps the installer only when it is whole
// and signed with the source's key for the offer's release; it is then executable by this
// user alone. Anything else is removed again.
InstallerDownload DownloadInstaller(const UpdateSource& source, const UpdateOffer& offer);

// Starts the installer as a process of its own; the program does not wait for it.
bool StartInstaller(const QString& path);

// Removes the folders of installers that earlier starts downloaded.
void RemoveOldInstallers(const UpdateSource& source);
