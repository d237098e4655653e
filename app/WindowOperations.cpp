#include "WindowOperations.h"

#include "ImageFile.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

QIcon ResourceIcon(const QString& iconName)
{
    QIcon icon;
    const QDir group(QStringLiteral(":/icons/") + iconName);
    for (const QString& file : group.entryList(QDir::Files)) {
        // Not QIcon::addFile: it loads every image format plugin to ask whether it knows the file.
        const QImage image = ReadImageFile(group.filePath(file));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

void ApplyResourceIcon(QWidget* window, const QString& iconName, bool forApplication)
{
    const QIcon icon = ResourceIcon(iconName);
    if (forApplication)
        QApplication::setWindowIcon(icon);
    window->setWindowIcon(icon);
}

void SetWindowTopmost(QWidget* window, bool topmost)
{
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) {
        // Nothing to change: no new system window, which costs a hide, a show and a repaint.
        if (!window->isVisible()) {
            const bool quiet = window->testAttribute(Qt::WA_ShowWithoutActivating);
            window->setAttribute(Qt::WA_ShowWithoutActivating, true);
            window->show();
            window->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
        }
        return;
    }
    // Changing the flags hides the window and may forget where it was.
    const bool placed = window->isVisible() || window->testAttribute(Qt::WA_Moved);
    const QPoint position = window->pos();
    const QSize size = window->size();
    const bool quiet = window->testAttribute(Qt::WA_ShowWithoutActivating);

    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (placed)
        window->move(position);
    window->resize(size);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}
