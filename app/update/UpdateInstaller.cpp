#include "UpdateInstaller.h"

#include "OwnFiles.h"
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
    if (!OwnFiles::MakeFolder(source.cacheFolder()))
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
    OwnFiles::Remove(folder);
    return false;
}

void RemoveOldInstallers(const UpdateSource& source)
{
    if (!QFileInfo(source.cacheFile).isAbsolute() || OwnFiles::KindOf(source.cacheFolder()) != OwnFiles::Kind::Folder)
        return;
    // Whatever bears the name goes, but only itself: a link to a folder is not a way in.
    const QDir cache(source.cacheFolder());
    const QStringList names = cache.entryList({FolderPrefix + QLatin1Char('*')},
                                              QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!OwnFiles::Remove(cache.filePath(name)))
            OwnFiles::Note(cache.filePath(name), QStringLiteral("not an installer folder of ours, left as it is"));
    }
}
