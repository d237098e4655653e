#pragma once

#include <QUrl>
#include <QWebEnginePage>

// The preview's page: it shows the one page the program gives it and goes nowhere
// else. A clicked link, a form, a refresh to another address or a frame is refused.
class PreviewWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit PreviewWebPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    // The next main-frame navigation to this address is ours. An empty address
    // stands for a data address (the page handed over as a string).
    void expectNavigation(const QUrl& pageUrl);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    bool m_expecting = false;
    QUrl m_expectedUrl;
};
