#pragma once

#include <QString>

struct UpdateSource;

// The installer as downloaded: its path, or why there is none.
struct InstallerDownload {
    QString path;
    QString fault;
};

// Downloads the installer and its detached signature into a new folder only this user can
// read, and keeps the installer only when it is whole and signed with the source's key; it
// is then executable by this user alone. Anything else is removed again.
InstallerDownload DownloadInstaller(const UpdateSource& source);

// Starts the installer as a process of its own; the program does not wait for it.
bool StartInstaller(const QString& path);
