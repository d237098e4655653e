#include "PreviewCommandReader.h"

#include <QString>
#include <QStringList>

QList<PreviewCommandReader::Event> PreviewCommandReader::feed(const QByteArray& bytes)
{
    QList<Event> events;
    if (m_done)
        return events;
    m_buffer += bytes;
    for (;;) {
        if (m_pageSize >= 0) {
            if (m_buffer.size() < m_pageSize)
                return events;
            m_page = m_buffer.left(m_pageSize);
            m_buffer.clear();
            m_done = true;
            events << Event::Page;
            return events;
        }
        const qsizetype end = m_buffer.indexOf('\n');
        if (end < 0)
            return events;
        const QByteArray line = m_buffer.left(end + 1);
        m_buffer.remove(0, end + 1);
        if (line == PreviewProtocol::NearLine()) {
            events << Event::Near;
            continue;
        }
        if (line == PreviewProtocol::AwayLine()) {
            events << Event::Away;
            continue;
        }
        const QStringList words = QString::fromLatin1(line.trimmed()).split(QLatin1Char(' '));
        bool ok = false;
        const qsizetype size = words.size() >= 2 ? words[1].toLongLong(&ok) : -1;
        if (words[0] != QLatin1String("page") || !ok || size < 0) {
            m_done = m_malformed = true;
            m_buffer.clear();
            events << Event::Malformed;
            return events;
        }
        m_arguments = words.mid(2);
        m_owner = PreviewProtocol::ParseOwnerArguments(m_arguments);
        m_pageSize = size;
    }
}
