#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QHelpSearchEngine;

// Starts the help's searches so that the window never waits for one. The engine searches in
// a thread of its own, but asked again while it still searches, it waits on the spot for the
// search under way to end. So a search asked for meanwhile waits its turn here instead, and
// only the newest such one runs: it supersedes the others.
class HelpSearchRunner : public QObject {
    Q_OBJECT
public:
    explicit HelpSearchRunner(QHelpSearchEngine* engine);

    // Searches for query (as the engine reads it) now, or once the search under way is over.
    void search(const QString& query);
    bool isSearching() const { return m_searching; }

private:
    void finished();

    QHelpSearchEngine* m_engine;
    bool m_searching = false;
    std::optional<QString> m_next;
};
