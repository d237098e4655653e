#include "VersionTextCache.h"

#include "UpdateNetwork.h"
#include "UpdateSource.h"

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
    return QString::fromUtf8(file.read(MaxVersionTextSize));
}

void RefreshVersionText(const UpdateSource& source, std::function<void(bool)> done)
{
    TheUpdateNetwork().RefreshVersionText(source.versionUrl, source.cacheFile, std::move(done));
}
