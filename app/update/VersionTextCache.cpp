#include "VersionTextCache.h"

#include "ReleaseSerial.h"
#include "UpdateNetwork.h"
#include "UpdateSource.h"
#include "VersionTextFields.h"

#include <QFile>

namespace {
// A version line with its notes; anything larger is not one.
constexpr qint64 MaxVersionTextSize = 64 * 1024;
} // namespace

QString ReadCachedVersionText(const UpdateSource& source)
{
    QFile file(source.cacheFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.read(MaxVersionTextSize));
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
