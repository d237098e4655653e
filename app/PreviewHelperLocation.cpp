#include "PreviewHelperLocation.h"

#include "PreviewProtocol.h"

#include <QDir>
#include <QFileInfo>

QStringList PreviewHelperPlaces(const QString& programDir)
{
    const QDir dir(programDir);
    const QString name = PreviewProtocol::HelperFileName();
    return {QDir::cleanPath(dir.filePath(name)),
            QDir::cleanPath(dir.filePath(QStringLiteral(QUORVANE_HELPER_DIR_FROM_BIN "/") + name))};
}

QString FindPreviewHelper(const QString& programDir)
{
    for (const QString& place : PreviewHelperPlaces(programDir)) {
        const QFileInfo info(place);
        if (info.isFile() && info.isExecutable())
            return place;
    }
    return {};
}

QString PreviewHelperMissingMessage(const QStringList& places)
{
    return QStringLiteral("The preview could not be shown because the preview program was not found. "
                          "It was looked for at:\n") +
           places.join(QLatin1Char('\n'));
}
