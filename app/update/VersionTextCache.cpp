#include "VersionTextCache.h"

#include "ReleaseSerial.h"
#include "UpdateNetwork.h"
#include "UpdateHelperProtocol.h"
#include "UpdateSource.h"
#include "VersionTextFields.h"

#include <QFile>

QString ReadCachedVersionText(const UpdateSource& source)
{
    QFile file(source.cacheFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // One byte past the limit tells a text that is too large from one that fills it.
    const QByteArray bytes = file.read(UpdateHelperProtocol::MaxVersionTextSize + 1);
    if (bytes.size() > UpdateHelperProtocol::MaxVersionTextSize)
        return {};
    const QString text = QString::fromUtf8(bytes);
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
