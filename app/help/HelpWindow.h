#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

class HelpBrowser;
class QHelpEngine;
class QTabWidget;
class QToolButton;

// The help window: contents, index and full-text search beside the page, with back and
// forward. One window per owner, reused for every call; Esc closes it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the first of the candidate help files that exists; without one the window
    // says where it looked, and with one that cannot be read, where that one is.
    HelpWindow(QWidget* owner, const QStringList& candidates);
    ~HelpWindow() override;

    bool hasHelpFile() const { return m_engine != nullptr; }
    HelpBrowser* browser() const { return m_browser; }
    QTabWidget* navigation() const { return m_navigation; }

    void showTopic(const QString& topic, const QString& anchor = {});

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openHelpFile(const QString& file);
    void showMissing(const QStringList& candidates);
    void showUnreadable(const QString& file);
    void pageChanged();

    QTemporaryDir m_collectionFolder;
    QHelpEngine* m_engine = nullptr;
    HelpBrowser* m_browser = nullptr;
    QTabWidget* m_navigation = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
};
