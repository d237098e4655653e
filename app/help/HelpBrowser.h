#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// Shows the pages of the help book; everything it loads comes from the help engine.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(QHelpEngineCore* engine, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    QHelpEngineCore* m_engine;
};
