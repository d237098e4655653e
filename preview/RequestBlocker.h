#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Lets through only the preview page itself. A description may come from someone else,
// so nothing it names is fetched: no remote address, no local file, no frame.
class RequestBlocker : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

    // How many requests were refused so far.
    int blockedCount() const { return m_blocked; }

private:
    int m_blocked = 0;
};
