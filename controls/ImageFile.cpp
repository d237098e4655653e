#include "ImageFile.h"

#include <QFileInfo>
#include <QImageReader>

QImage ReadImageFile(const QString& path)
{
    // Left to guess, a reader asks every image format plugin first, each loaded for it.
    QImageReader named(path, QFileInfo(path).suffix().toLower().toLatin1());
    named.setAutoDetectImageFormat(false);
    QImage image = named.read();
    if (image.isNull())
        image = QImageReader(path).read();
    return image;
}
