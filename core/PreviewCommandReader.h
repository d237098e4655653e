#pragma once

#include "PreviewProtocol.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// Reads what the editor writes on a helper's standard input, in whatever pieces it
// arrives: near and away lines, then one page. Nothing after the page counts.
class PreviewCommandReader {
public:
    enum class Event { Near, Away, Page, Malformed };

    // Takes the next bytes; returns the events they complete, in order.
    QList<Event> feed(const QByteArray& bytes);

    bool hasPage() const { return m_done && !m_malformed; }
    const QByteArray& page() const { return m_page; }
    const PreviewProtocol::OwnerWindow& owner() const { return m_owner; }
    // Every argument of the page's header line, owner ones included.
    const QStringList& arguments() const { return m_arguments; }

private:
    QByteArray m_buffer;
    QByteArray m_page;
    PreviewProtocol::OwnerWindow m_owner;
    QStringList m_arguments;
    qsizetype m_pageSize = -1; // while the page's bytes are coming
    bool m_done = false;
    bool m_malformed = false;
};
