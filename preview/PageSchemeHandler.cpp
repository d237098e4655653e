#include "PageSchemeHandler.h"

#include "PreviewEngine.h"

#include <QBuffer>
#include <QWebEngineUrlRequestJob>

PageSchemeHandler::PageSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

QUrl PageSchemeHandler::PageUrl()
{
    return QUrl(QString::fromLatin1(PreviewEngine::PageScheme() + ":preview"));
}

void PageSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    if (job->requestUrl() != PageUrl() || job->requestMethod() != QByteArrayLiteral("GET")) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The buffer shares the page's bytes; the job deletes it when the request is done.
    auto* buffer = new QBuffer(job);
    buffer->setData(m_page);
    job->reply(QByteArrayLiteral("text/html;charset=utf-8"), buffer);
}
