#include "ReleaseSerial.h"

#include "OwnFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr qsizetype MaxDigits = 18;
} // namespace

std::optional<qint64> ReleaseSerial(const QString& number)
{
    if (number.isEmpty() || number.size() > MaxDigits || (number.size() > 1 && number.front() == QLatin1Char('0')))
        return std::nullopt;
    for (const QChar c : number)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return number.toLongLong();
}

QString AcceptedSerialFile(const QString& cacheFile)
{
    const QFileInfo cached(cacheFile);
    return cached.dir().filePath(cached.completeBaseName() + QStringLiteral(".serial"));
}

std::optional<qint64> ReadAcceptedSerial(const QString& cacheFile)
{
    // The editor reads this on its window's thread: nothing here may wait.
    const OwnFiles::ReadResult file = OwnFiles::Read(AcceptedSerialFile(cacheFile), MaxDigits);
    if (!file.fault.isEmpty())
        OwnFiles::Note(AcceptedSerialFile(cacheFile), file.fault + QStringLiteral(", not read"));
    return file.ok() ? ReleaseSerial(QString::fromLatin1(file.bytes)) : std::nullopt;
}
