#include "HelpSearchRunner.h"

#include <QHelpSearchEngine>

HelpSearchRunner::HelpSearchRunner(QHelpSearchEngine* engine) : QObject(engine), m_engine(engine)
{
    connect(engine, &QHelpSearchEngine::searchingFinished, this, &HelpSearchRunner::finished);
}

void HelpSearchRunner::search(const QString& query)
{
    if (m_searching) {
        m_next = query;
        return;
    }
    m_searching = true;
    m_engine->search(query);
}

void HelpSearchRunner::finished()
{
    m_searching = false;
    if (m_next)
        search(*std::exchange(m_next, std::nullopt));
}
