#include "WindowOperations.h"

#include "ImageFile.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QList>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

QIcon ResourceIcon(const QString& iconName)
{
    // Each group is read once: the program and its main window both take the same one.
    static QHash<QString, QList<QImage>> read;
    auto pictures = read.find(iconName);
    if (pictures == read.end()) {
        pictures = read.insert(iconName, {});
        const QDir group(QStringLiteral(":/icons/") + iconName);
        // Not QIcon::addFile: it loads every image format plugin to ask whether it knows the file.
        for (const QString& file : group.entryList(QDir::Files))
            if (const QImage image = ReadImageFile(group.filePath(file)); !image.isNull())
                pictures->append(image);
    }
    QIcon icon;
    for (const QImage& image : std::as_const(*pictures))
        icon.addPixmap(QPixmap::fromImage(image));
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
