#include "UpdateInstaller.h"

#include "UpdateNetwork.h"
#include "UpdateSource.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

InstallerDownload DownloadInstaller(const UpdateSource& source)
{
    // Created 0700: nobody else can swap the file between the check and the start.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quorvane-update-XXXXXX"));
    if (!folder.isValid())
        return {{}, folder.errorString()};
    const QString installer = folder.filePath(InstallerFileName());
    const QString fault = TheUpdateNetwork().DownloadInstaller(source.installerUrl(), source.signatureUrl(),
                                                               folder.path(), source.publicKey);
    if (!fault.isEmpty())
        return {{}, fault};
    if (!QFileInfo(installer).isExecutable())
        return {{}, QStringLiteral("the installer was not kept")};

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
