#include "PreviewWebPage.h"

#include <QWebEngineSettings>

PreviewWebPage::PreviewWebPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
{
    // The page is the author's text and the store's style sheet: no scripts, nothing
    // fetched, no plug-ins, nothing dropped onto the window opened.
    QWebEngineSettings* s = settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::WebGLEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    s->setDefaultTextEncoding(QStringLiteral("utf-8"));
}

void PreviewWebPage::expectNavigation(const QUrl& pageUrl)
{
    m_expecting = true;
    m_expectedUrl = pageUrl;
}

bool PreviewWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame || type == NavigationTypeLinkClicked || type == NavigationTypeFormSubmitted)
        return false;
    if (type == NavigationTypeReload)
        return url == this->url();
    const bool ours = m_expectedUrl.isEmpty() ? url.scheme() == QLatin1String("data") : url == m_expectedUrl;
    if (m_expecting && ours) {
        m_expecting = false;
        return true;
    }
    return false;
}
