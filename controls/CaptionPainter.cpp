#include "CaptionPainter.h"

#include "ColorMath.h"
#include "mdlGrayScale.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>

namespace {
constexpr OleColor kDisabledCaption = RgbColor(141, 141, 141);

void DrawSilhouette(PixelSurface& surface, const ButtonPicture& picture, int x, int y, OleColor colour)
{
    const QRgb rgb = ToQRgb(colour);
    QImage& image = surface.Image();
    for (int py = 0; py < picture.image().height(); ++py)
        for (int px = 0; px < picture.image().width(); ++px)
            if (picture.IsOpaqueAt(px, py) && image.rect().contains(x + px, y + py))
                image.setPixel(x + px, y + py, rgb);
}

void DrawPicture(PixelSurface& surface, const ButtonPicture& picture, int x, int y)
{
    QPainter painter(&surface.Image());
    painter.drawImage(x, y, picture.image());
}
} // namespace

CaptionLayout LayOutIconAndCaption(int pictureAlignment, int width, int height, int iconWidth, int iconHeight,
                                   int captionWidth, int captionHeight, int cornerRadius)
{
    const int w = width;
    const int h = height;
    switch (pictureAlignment) {
    case PictureAbove:
        return {(w - iconWidth) / 2 + 1, (h - (iconHeight + captionHeight)) / 2 + 1,
                std::abs(w / 2 - captionWidth / 2), std::abs(h / 2 + iconHeight / 2 - captionHeight / 2)};
    case PictureBelow:
        return {(w - iconWidth) / 2, (h - (iconHeight - captionHeight)) / 2 + 1, std::abs(w / 2 - captionWidth / 2),
                std::abs(h / 2 - (iconHeight + captionHeight) / 2)};
    case PictureLeft:
        // The caption starts after the picture's width measured from the left edge, not from IconX.
        return {cornerRadius == 0 ? 4 : cornerRadius, (h - iconHeight) / 2 + 1, iconWidth + 8,
                std::abs(h / 2 - captionHeight / 2)};
    case PictureRight:
        return {cornerRadius == 0 ? w - 8 - iconWidth : w - cornerRadius - iconWidth, (h - iconHeight) / 2 + 1,
                std::abs(w / 2 - captionWidth / 2), std::abs(h / 2 - captionHeight / 2)};
    default:
        return {};
    }
}

QSize MeasureCaption(const PixelSurface& surface, const QString& caption)
{
    if (caption.isEmpty())
        return {0, 0};
    const QFontMetrics metrics(surface.Font(), &surface.Image());
    return {metrics.horizontalAdvance(caption), metrics.height()};
}

void DrawPrefixedText(PixelSurface& surface, int x, int y, const QString& text)
{
    QPainter painter(&surface.Image());
    painter.setFont(surface.Font());
    painter.setPen(QColor::fromRgb(ToQRgb(surface.TextColor())));
    // A box far larger than any button: the text starts at (x, y) and is never wrapped or clipped.
    const QRect box(x, y, 100000, 100000);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}

void DrawCaptionAndPicture(PixelSurface& surface, const CaptionInputs& inputs, ButtonState state)
{
    const ButtonPicture* picture = inputs.picture && !inputs.picture->isNull() ? inputs.picture : nullptr;
    const int iconWidth = picture ? picture->widthPixels() : 0;
    const int iconHeight = picture ? picture->heightPixels() : 0;
    const QSize captionSize = MeasureCaption(surface, inputs.caption);

    CaptionLayout at = LayOutIconAndCaption(inputs.pictureAlignment, surface.Width(), surface.Height(), iconWidth,
                                            iconHeight, captionSize.width(), captionSize.height(), inputs.cornerRadius);
    if (state == StatePressed) {
        ++at.iconX;
        ++at.iconY;
        ++at.captionX;
        ++at.captionY;
    }

    const OleColor rememberedTextColor = surface.TextColor();
    bool recoloured = false;
    if (state == StateHover && inputs.captionHighLite) {
        surface.SetTextColor(inputs.captionHighLiteColor);
        recoloured = true;
    } else if (!inputs.enabled) {
        surface.SetTextColor(kDisabledCaption);
        recoloured = true;
    }
    if (!inputs.caption.isEmpty())
        DrawPrefixedText(surface, at.captionX, at.captionY, inputs.caption);
    if (recoloured)
        surface.SetTextColor(rememberedTextColor);

    if (!picture)
        return;
    if (!inputs.enabled)
        mdlGrayScale::DrawGrayed(surface, *picture, at.iconX, at.iconY, -1, -1);
    else if (state == StateHover && inputs.iconHighLite)
        DrawSilhouette(surface, *picture, at.iconX, at.iconY, inputs.iconHighLiteColor);
    else
        DrawPicture(surface, *picture, at.iconX, at.iconY);
}
