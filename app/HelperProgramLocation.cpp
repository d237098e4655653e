#include "HelperProgramLocation.h"

#include "PreviewProtocol.h"

#include <QDir>
#include <QFileInfo>

QStringList HelperProgramPlaces(const QString& programDir, const QString& fileName)
{
    const QDir dir(programDir);
    return {QDir::cleanPath(dir.filePath(fileName)),
            QDir::cleanPath(dir.filePath(QStringLiteral(QUORVANE_HELPER_DIR_FROM_BIN "/") + fileName))};
}

QString FindHelperProgram(const QString& programDir, const QString& fileName)
{
    for (const QString& place : HelperProgramPlaces(programDir, fileName)) {
        const QFileInfo info(place);
        if (info.isFile() && info.isExecutable())
            return place;
    }
    return {};
}

QStringList PreviewHelperPlaces(const QString& programDir)
{
    return HelperProgramPlaces(programDir, PreviewProtocol::HelperFileName());
}

QString FindPreviewHelper(const QString& programDir)
{
    return FindHelperProgram(programDir, PreviewProtocol::HelperFileName());
}

QString PreviewHelperMissingMessage(const QStringList& places)
{
    return QStringLiteral("The preview could not be shown because the preview program was not found. "
                          "It was looked for at:\n") +
           places.join(QLatin1Char('\n'));
}
