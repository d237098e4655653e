#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Serves the one preview page under our own scheme, for pages too large to hand over
// as a data address. Every other address of the scheme is refused.
class PageSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    explicit PageSchemeHandler(QObject* parent = nullptr);

    void setPage(const QByteArray& utf8Page) { m_page = utf8Page; }
    static QUrl PageUrl();

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    QByteArray m_page;
};
