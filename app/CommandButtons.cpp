#include "CommandButtons.h"

#include <QIcon>
#include <QToolButton>

QAbstractButton* CreateCommandButton(QWidget* parent, const ButtonDeclaration& declaration)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(declaration.name));
    button->setText(QString::fromLatin1(declaration.caption));
    if (*declaration.toolTip)
        button->setToolTip(QString::fromLatin1(declaration.toolTip));
    button->setIcon(QIcon(QString::fromLatin1(declaration.picture)));
    button->setIconSize({declaration.pictureSize, declaration.pictureSize});
    button->setToolButtonStyle(declaration.placement == PicturePlacement::AboveCaption ? Qt::ToolButtonTextUnderIcon
                                                                                        : Qt::ToolButtonTextBesideIcon);
    // Buttons take the focus by Tab and by click, as command buttons do.
    button->setFocusPolicy(Qt::StrongFocus);
    // The command buttons' own small face, so the longest caption fits beside its picture.
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    button->setFont(font);
    button->setGeometry(PixelRect(declaration.rect));
    return button;
}
