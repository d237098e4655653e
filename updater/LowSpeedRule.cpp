#include "LowSpeedRule.h"

LowSpeedRule::LowSpeedRule(qint64 windowMs, qint64 minBytes) : m_windowMs(windowMs), m_minBytes(minBytes) {}

void LowSpeedRule::arrived(qint64 atMs, qint64 bytes)
{
    if (bytes <= 0)
        return;
    m_recent.push_back({atMs, bytes});
    m_recentBytes += bytes;
    while (m_recentBytes - m_recent.front().bytes >= m_minBytes) {
        m_recentBytes -= m_recent.front().bytes;
        m_recent.pop_front();
    }
}

qint64 LowSpeedRule::deadline() const
{
    // Until minBytes have come at all, the first window is all there is.
    if (m_recentBytes < m_minBytes)
        return m_windowMs;
    return m_recent.front().atMs + m_windowMs;
}
