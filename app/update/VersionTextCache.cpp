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
    // One byte past the limit tells a text that is too large from one that fills it.
    const QByteArray text = file.read(MaxVersionTextSize + 1);
    return text.size() > MaxVersionTextSize ? QString() : QString::fromUtf8(text);
}

void RefreshVersionText(const UpdateSource& source, std::function<void(bool)> done)
{
    TheUpdateNetwork().RefreshVersionText(source.versionUrl, source.cacheFile, std::move(done));
}
