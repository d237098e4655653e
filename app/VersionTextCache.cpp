#include "VersionTextCache.h"

#include "UpdateNetwork.h"
#include "UpdateSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// A version line with its notes; anything larger is not one.
constexpr qint64 MaxVersionTextSize = 64 * 1024;

bool keep(const QString& path, const QByteArray& text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}
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
    const QString path = source.cacheFile;
    TheUpdateNetwork().Fetch(source.versionUrl, MaxVersionTextSize,
                             [path, done = std::move(done)](std::optional<QByteArray> text) {
                                 const bool kept = text && keep(path, *text);
                                 if (done)
                                     done(kept);
                             });
}
