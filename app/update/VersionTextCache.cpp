#include "VersionTextCache.h"

#include "OwnFiles.h"
#include "ReleaseSerial.h"
#include "UpdateNetwork.h"
#include "UpdateHelperProtocol.h"
#include "UpdateSource.h"
#include "VersionTextFields.h"

QString ReadCachedVersionText(const UpdateSource& source)
{
    // Read on the window's thread: a FIFO or a device in its place must not hold it.
    const OwnFiles::ReadResult file = OwnFiles::Read(source.cacheFile, UpdateHelperProtocol::MaxVersionTextSize);
    if (!file.fault.isEmpty())
        OwnFiles::Note(source.cacheFile, file.fault + QStringLiteral(", not read"));
    if (!file.ok())
        return {};
    const QString text = QString::fromUtf8(file.bytes);
    // Only the text the helper accepted last carries the highest serial accepted; any other
    // (left by an older program, or overtaken by a newer release) is not offered.
    const std::optional<VersionTextFields> fields = SplitVersionText(text);
    const std::optional<qint64> serial = fields ? ReleaseSerial(fields->number) : std::nullopt;
    if (!serial || serial != ReadAcceptedSerial(source.cacheFile))
        return {};
    return text;
}

void RefreshVersionText(const UpdateSource& source, std::function<void(bool)> done)
{
    TheUpdateNetwork().RefreshVersionText(source, std::move(done));
}
