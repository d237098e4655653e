#include "PageTitle.h"

QByteArray PageWithTitle(const QByteArray& utf8Page, const QString& title)
{
    const qsizetype head = utf8Page.toLower().indexOf("<head>");
    if (head < 0 || utf8Page.toLower().indexOf("<title") >= 0)
        return utf8Page;
    QByteArray page = utf8Page;
    return page.insert(head + 6, "<title>" + title.toHtmlEscaped().toUtf8() + "</title>");
}
