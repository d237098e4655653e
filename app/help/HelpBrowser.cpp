#include "HelpBrowser.h"

#include "OpenWebsite.h"

#include <QHelpEngineCore>

HelpBrowser::HelpBrowser(QHelpEngineCore* engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("helpBrowser"));
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (m_engine && url.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(url);
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    // Pages of the book open here; a web address goes to the browser.
    if (name.scheme() == QLatin1String("http") || name.scheme() == QLatin1String("https")) {
        OpenWebsite(name.toString());
        return;
    }
    QTextBrowser::doSetSource(name, type);
}
