#include "CaptionPainter.h"

#include "ColorMath.h"
#include "mdlGrayScale.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>

namespace {
constexpr OleColor kDisabledCaption = RgbColor(141, 141, 141);
// An icon pixel at least this opaque belongs to its shape, as in the picture's mask.
constexpr int kOpaqueAlpha = 128;

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

namespace {
void PaintPrefixedText(QPainter& painter, const QFont& font, OleColor colour, int x, int y, const QString& text)
{
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(ToQRgb(colour)));
    // A box far larger than any button: the text starts at (x, y) and is never wrapped or clipped.
    const QRect box(x, y, 100000, 100000);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}
} // namespace

void DrawPrefixedText(PixelSurface& surface, int x, int y, const QString& text)
{
    QPainter painter(&surface.Image());
    PaintPrefixedText(painter, surface.Font(), surface.TextColor(), x, y, text);
}

namespace {
// What one call draws, worked out once for the surface and for a screen that scales.
struct CaptionPlan {
    CaptionLayout at;
    const ButtonPicture* picture = nullptr;
    bool recoloured = false;  // the caption in textColor instead of the surface's
    OleColor textColor = 0;
    enum class Look { Normal, Silhouette, Grayed } look = Look::Normal;
};

CaptionPlan PlanCaptionAndPicture(const PixelSurface& surface, const CaptionInputs& inputs, ButtonState state)
{
    CaptionPlan plan;
    plan.picture = inputs.picture && !inputs.picture->isNull() ? inputs.picture : nullptr;
    const int iconWidth = plan.picture ? plan.picture->widthPixels() : 0;
    const int iconHeight = plan.picture ? plan.picture->heightPixels() : 0;
    const QSize captionSize = MeasureCaption(surface, inputs.caption);

    plan.at = LayOutIconAndCaption(inputs.pictureAlignment, surface.Width(), surface.Height(), iconWidth, iconHeight,
                                   captionSize.width(), captionSize.height(), inputs.cornerRadius);
    if (state == StatePressed) {
        ++plan.at.iconX;
        ++plan.at.iconY;
        ++plan.at.captionX;
        ++plan.at.captionY;
    }
    if (state == StateHover && inputs.captionHighLite) {
        plan.recoloured = true;
        plan.textColor = inputs.captionHighLiteColor;
    } else if (!inputs.enabled) {
        plan.recoloured = true;
        plan.textColor = kDisabledCaption;
    }
    if (!inputs.enabled)
        plan.look = CaptionPlan::Look::Grayed;
    else if (state == StateHover && inputs.iconHighLite)
        plan.look = CaptionPlan::Look::Silhouette;
    return plan;
}

// The larger drawing (or the picture itself) as the plan shows it: the icon's shape in one
// colour, or gray levels by the same unweighted mean as on the surface.
QImage PictureAsPlanned(const ButtonPicture& picture, CaptionPlan::Look look, OleColor silhouette)
{
    QImage image = picture.largerDrawing().isNull() ? picture.image() : picture.largerDrawing();
    if (look == CaptionPlan::Look::Normal)
        return image;
    const bool icon = picture.kind() == ButtonPicture::Kind::Icon;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (icon && qAlpha(row[x]) < kOpaqueAlpha) {
                row[x] = 0;  // outside the shape, as the mask leaves it
                continue;
            }
            if (look == CaptionPlan::Look::Silhouette) {
                row[x] = ToQRgb(silhouette) | 0xFF000000u;
            } else {
                const int grey = (qRed(row[x]) + qGreen(row[x]) + qBlue(row[x])) / 3;
                row[x] = qRgb(grey, grey, grey);
            }
        }
    }
    return image;
}
} // namespace

void DrawCaptionAndPicture(PixelSurface& surface, const CaptionInputs& inputs, ButtonState state)
{
    const CaptionPlan plan = PlanCaptionAndPicture(surface, inputs, state);
    const OleColor rememberedTextColor = surface.TextColor();
    if (plan.recoloured)
        surface.SetTextColor(plan.textColor);
    if (!inputs.caption.isEmpty())
        DrawPrefixedText(surface, plan.at.captionX, plan.at.captionY, inputs.caption);
    if (plan.recoloured)
        surface.SetTextColor(rememberedTextColor);

    if (!plan.picture)
        return;
    switch (plan.look) {
    case CaptionPlan::Look::Grayed:
        mdlGrayScale::DrawGrayed(surface, *plan.picture, plan.at.iconX, plan.at.iconY, -1, -1);
        break;
    case CaptionPlan::Look::Silhouette:
        DrawSilhouette(surface, *plan.picture, plan.at.iconX, plan.at.iconY, inputs.iconHighLiteColor);
        break;
    case CaptionPlan::Look::Normal:
        DrawPicture(surface, *plan.picture, plan.at.iconX, plan.at.iconY);
        break;
    }
}

void PaintCaptionAndPictureScaled(QPainter& painter, const PixelSurface& surface, const CaptionInputs& inputs,
                                  ButtonState state)
{
    const CaptionPlan plan = PlanCaptionAndPicture(surface, inputs, state);
    if (!inputs.caption.isEmpty())
        PaintPrefixedText(painter, surface.Font(), plan.recoloured ? plan.textColor : surface.TextColor(),
                          plan.at.captionX, plan.at.captionY, inputs.caption);
    if (!plan.picture)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF place(plan.at.iconX, plan.at.iconY, plan.picture->widthPixels(), plan.picture->heightPixels());
    painter.drawImage(place, PictureAsPlanned(*plan.picture, plan.look, inputs.iconHighLiteColor));
}
