#include "FileDialogSize.h"

#include "SettingsStore.h"

#include <algorithm>

namespace FileDialogSize {
namespace {
const QString WidthKey = QStringLiteral("FileDialogWidth");
const QString HeightKey = QStringLiteral("FileDialogHeight");
} // namespace

QSize FromTexts(const QString& width, const QString& height, const QRect& screenArea)
{
    bool widthOk = false, heightOk = false;
    QSize size(width.trimmed().toInt(&widthOk), height.trimmed().toInt(&heightOk));
    if (!widthOk || !heightOk)
        size = First;
    size = size.expandedTo(Least);
    if (screenArea.isValid())
        size = size.boundedTo(screenArea.size());
    return size;
}

QSize ToOpenAt(const QRect& screenArea)
{
    return FromTexts(SettingsStore::read(WidthKey), SettingsStore::read(HeightKey), screenArea);
}

void Remember(QSize size)
{
    // A size that cannot be stored costs only the size of the next dialog.
    SettingsStore::write(WidthKey, QString::number(size.width()));
    SettingsStore::write(HeightKey, QString::number(size.height()));
}

} // namespace FileDialogSize
