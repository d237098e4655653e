#include "UpdateInstaller.h"

#include "UpdateNetwork.h"
#include "UpdateSource.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {
const QString FolderPrefix = QStringLiteral("installer-");
} // namespace

InstallerDownload DownloadInstaller(const UpdateSource& source, const UpdateOffer& offer)
{
    if (!QDir().mkpath(source.cacheFolder()))
        return {{}, QStringLiteral("cannot create ") + source.cacheFolder()};
    // Created 0700: nobody else can swap the file between the check and the start.
    QTemporaryDir folder(QDir(source.cacheFolder()).filePath(FolderPrefix + QStringLiteral("XXXXXX")));
    if (!folder.isValid())
        return {{}, folder.errorString()};
    const QString installer = folder.filePath(InstallerFileName());
    const QString fault = TheUpdateNetwork().DownloadInstaller(source, offer, folder.path());
    if (!fault.isEmpty())
        return {{}, fault};
    if (!QFileInfo(installer).isExecutable())
        return {{}, QStringLiteral("the installer was not kept")};

    // It stays while the installer runs; the next start removes it.
    folder.setAutoRemove(false);
    return {installer, {}};
}

bool StartInstaller(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QProcess::startDetached(path, {}, folder))
        return true;
    QDir(folder).removeRecursively();
    return false;
}

void RemoveOldInstallers(const UpdateSource& source)
{
    if (!QFileInfo(source.cacheFile).isAbsolute())
        return;
    const QDir cache(source.cacheFolder());
    const QStringList folders = cache.entryList({FolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : folders)
        QDir(cache.filePath(name)).removeRecursively();
}
