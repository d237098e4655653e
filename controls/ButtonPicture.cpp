#include "ButtonPicture.h"

#include "ColorMath.h"
#include "ImageFile.h"

#include <QFileInfo>

#include <utility>

namespace {
constexpr double kHimetricPerPixel = 2540.0 / 96.0;
// An icon pixel at least this opaque belongs to the icon's shape.
constexpr int kOpaqueAlpha = 128;

QImage::Format LargerDrawingFormat(ButtonPicture::Kind kind)
{
    return kind == ButtonPicture::Kind::Icon ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}
} // namespace

int PixelsToHimetric(int pixels)
{
    return RoundHalfEven(pixels * kHimetricPerPixel);
}

int HimetricToPixels(int himetric)
{
    return RoundHalfEven(himetric / kHimetricPerPixel);
}

ButtonPicture ButtonPicture::FromImage(const QImage& image, Kind kind)
{
    ButtonPicture picture;
    if (image.isNull() || kind == Kind::None)
        return picture;
    picture.m_kind = kind;
    picture.m_widthHimetric = PixelsToHimetric(image.width());
    picture.m_heightHimetric = PixelsToHimetric(image.height());
    if (kind == Kind::Bitmap) {
        picture.m_image = image.convertToFormat(QImage::Format_RGB32);
        picture.m_color = picture.m_image;
        return picture;
    }
    picture.m_image = image.convertToFormat(QImage::Format_ARGB32);
    picture.m_color = QImage(image.size(), QImage::Format_RGB32);
    picture.m_mask = QImage(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(picture.m_image.constScanLine(y));
        QRgb* color = reinterpret_cast<QRgb*>(picture.m_color.scanLine(y));
        QRgb* mask = reinterpret_cast<QRgb*>(picture.m_mask.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const bool opaque = qAlpha(source[x]) >= kOpaqueAlpha;
            color[x] = opaque ? qRgb(qRed(source[x]), qGreen(source[x]), qBlue(source[x])) : qRgb(0, 0, 0);
            mask[x] = opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
    return picture;
}

ButtonPicture ButtonPicture::Load(const QString& path)
{
    const QImage image = ReadImageFile(path);
    if (image.isNull())
        return {};
    ButtonPicture picture = FromImage(image, image.hasAlphaChannel() ? Kind::Icon : Kind::Bitmap);
    picture.m_sourcePath = path;
    picture.m_larger = std::make_shared<LargerDrawing>(LargerDrawing{LargerDrawingPath(path), {}});
    return picture;
}

QString ButtonPicture::LargerDrawingPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype end = dot > slash ? dot : path.size();
    return path.first(end) + QStringLiteral("@2x") + path.sliced(end);
}

bool ButtonPicture::SetLargerDrawing(const QImage& image)
{
    if (m_kind == Kind::None || image.size() != m_image.size() * 2)
        return false;
    m_larger = std::make_shared<LargerDrawing>(LargerDrawing{{}, image.convertToFormat(LargerDrawingFormat(m_kind))});
    return true;
}

const QImage& ButtonPicture::largerDrawing() const
{
    static const QImage none;
    if (!m_larger)
        return none;
    if (!m_larger->path.isEmpty()) {
        const QString path = std::exchange(m_larger->path, QString());
        const QImage image = QFileInfo::exists(path) ? ReadImageFile(path) : QImage();
        if (m_kind != Kind::None && image.size() == m_image.size() * 2)
            m_larger->image = image.convertToFormat(LargerDrawingFormat(m_kind));
    }
    return m_larger->image;
}

int ButtonPicture::widthPixels() const
{
    return HimetricToPixels(m_widthHimetric);
}

int ButtonPicture::heightPixels() const
{
    return HimetricToPixels(m_heightHimetric);
}

bool ButtonPicture::IsOpaqueAt(int x, int y) const
{
    if (m_kind == Kind::None || !m_image.rect().contains(x, y))
        return false;
    if (m_kind == Kind::Bitmap)
        return true; // a bitmap has no transparency: its shape is its rectangle
    return qRed(m_mask.pixel(x, y)) == 0;
}

bool ButtonPicture::operator==(const ButtonPicture& other) const
{
    return m_kind == other.m_kind && m_widthHimetric == other.m_widthHimetric &&
           m_heightHimetric == other.m_heightHimetric && m_image == other.m_image;
}
