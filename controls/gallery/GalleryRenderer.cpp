#include "GalleryRenderer.h"

#include "CandyButton.h"
#include "ColorMath.h"

#include <QWidget>

QImage RenderButton(const RenderRequest& request)
{
    QWidget host;
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, request.background);
    host.setPalette(palette);

    // Set up the way the program's windows set up their buttons: saved properties first.
    auto* button = new CandyButton(&host);
    button->setObjectName(QStringLiteral("CandyButton1"));
    button->resize(request.size);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Font"), font);
    bag.WriteProperty(QStringLiteral("Caption"), request.caption);
    bag.WriteProperty(QStringLiteral("CaptionHighLite"), request.captionHighLite);
    bag.WriteProperty(QStringLiteral("IconHighLite"), request.iconHighLite);
    bag.WriteProperty(QStringLiteral("Picture"), QVariant::fromValue(request.picture));
    bag.WriteProperty(QStringLiteral("PictureAlignment"), request.pictureAlignment);
    bag.WriteProperty(QStringLiteral("Style"), request.style);
    bag.WriteProperty(QStringLiteral("Enabled"), !request.disabled);
    bag.WriteProperty(QStringLiteral("Checked"), request.checked);
    button->SetBackColor(FromQColor(request.background));
    button->ReadProperties(bag, false);
    if (request.scheme)
        button->SetColorScheme(*request.scheme);
    if (request.colors) {
        button->SetColorButtonUp((*request.colors)[0]);
        button->SetColorButtonHover((*request.colors)[1]);
        button->SetColorButtonDown((*request.colors)[2]);
        button->SetColorBright((*request.colors)[3]);
    }
    if (request.borderBrightness)
        button->SetBorderBrightness(*request.borderBrightness);

    button->RebuildShape();
    button->Redraw(static_cast<ButtonState>(request.state));

    QImage image = button->Surface().Image().convertToFormat(QImage::Format_ARGB32);
    if (const auto& shape = button->WindowShape()) {
        for (int y = 0; y < image.height(); ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (!shape->Contains(x, y))
                    row[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}
