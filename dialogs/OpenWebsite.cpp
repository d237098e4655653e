#include "OpenWebsite.h"

#include "AppInfo.h"
#include "MessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

namespace {
UrlOpener& currentOpener()
{
    static UrlOpener opener;
    return opener;
}

QString mainWindowCaption()
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmMain"))
            return window->windowTitle();
    }
    return AppInfo::Title();
}
} // namespace

QString WebsiteAddress(const QString& address)
{
    if (address.startsWith(QLatin1String("http"), Qt::CaseInsensitive))
        return address;
    return QStringLiteral("http://") + address;
}

UrlOpener SetUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(currentOpener());
    currentOpener() = std::move(opener);
    return previous;
}

void OpenWebsite(const QString& address)
{
    const QString target = WebsiteAddress(address);
    const QUrl url = QUrl::fromUserInput(target);
    const bool opened = url.isValid() && (currentOpener() ? currentOpener()(url) : QDesktopServices::openUrl(url));
    if (!opened) {
        ShowMessage(QStringLiteral("There was an error attempting to open the website at:\r\n") + target + QLatin1Char('.'),
                    MsgIcon::Exclamation, MsgButtons::OK, mainWindowCaption());
    }
}
