#include "CommandButtons.h"

#include "ButtonPicture.h"
#include "CandyButton.h"
#include "ColorMath.h"

#include <QFile>

namespace {
// What a button the saved controls lack gets: the program's button look with the
// declaration's caption and picture.
PropertyBag FallbackProperties(const ButtonDeclaration& declaration)
{
    PropertyBag bag;
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    bag.WriteProperty(QStringLiteral("Font"), font);
    bag.WriteProperty(QStringLiteral("Caption"), QString::fromLatin1(declaration.caption));
    const auto drawn = [&](const QString& path, int size) {
        return QImage(path).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    };
    const QString path = QString::fromLatin1(declaration.picture);
    ButtonPicture picture = ButtonPicture::FromImage(drawn(path, declaration.pictureSize), ButtonPicture::Kind::Icon);
    picture.SetLargerDrawing(drawn(ButtonPicture::LargerDrawingPath(path), 2 * declaration.pictureSize));
    bag.WriteProperty(QStringLiteral("Picture"), QVariant::fromValue(picture));
    bag.WriteProperty(QStringLiteral("PictureAlignment"),
                      declaration.placement == PicturePlacement::AboveCaption ? PictureAbove : PictureLeft);
    bag.WriteProperty(QStringLiteral("Style"), static_cast<int>(StyleToolbar));
    return bag;
}
} // namespace

QList<SavedControl> ReadSavedControls(const QString& resource)
{
    QFile file(resource);
    QList<SavedControl> controls;
    QString error;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) ||
        !ParseSavedControls(QString::fromUtf8(file.readAll()), controls, &error))
        qWarning("Cannot read the saved controls %s: %s", qPrintable(resource), qPrintable(error));
    return controls;
}

CandyButton* CreateCommandButton(QWidget* parent, const ButtonDeclaration& declaration,
                                 const QList<SavedControl>& savedControls)
{
    auto* button = new CandyButton(parent);
    const QString name = QString::fromLatin1(declaration.name);
    button->setObjectName(name);
    if (*declaration.toolTip)
        button->setToolTip(QString::fromLatin1(declaration.toolTip));
    button->setGeometry(PixelRect(declaration.rect));
    // The face around a Style 1 button is its host's.
    button->SetBackColor(FromQColor(parent->palette().color(parent->backgroundRole())));
    PropertyBag saved = SavedPropertiesOf(savedControls, name);
    button->ReadProperties(saved.IsEmpty() ? FallbackProperties(declaration) : saved);
    return button;
}
