#include "HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace HelpFile {

QStringList Candidates(const QString& programFolder)
{
    const QDir folder(programFolder);
    return {QDir::cleanPath(folder.filePath(QLatin1String(FileName))),
            QDir::cleanPath(folder.filePath(QStringLiteral("../share/quorvane/") + QLatin1String(FileName)))};
}

QString Find(const QStringList& candidates)
{
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QUrl TopicUrl(const QString& topic)
{
    QUrl url;
    url.setScheme(QStringLiteral("qthelp"));
    url.setHost(QStringLiteral("org.quorvane.quorvane"));
    url.setPath(QStringLiteral("/doc/") + topic);
    return url;
}

} // namespace HelpFile
