#include "RequestBlocker.h"

#include "PageSchemeHandler.h"

void RequestBlocker::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const bool isThePage = info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame
                           && (info.requestUrl().scheme() == QLatin1String("data")
                               || info.requestUrl() == PageSchemeHandler::PageUrl());
    if (!isThePage) {
        info.block(true);
        ++m_blocked;
    }
}
