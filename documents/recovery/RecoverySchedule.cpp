#include "RecoverySchedule.h"

#include <algorithm>

void RecoverySchedule::changed(qint64 nowMs)
{
    if (!m_pending)
        m_firstChange = nowMs;
    m_pending = true;
    m_lastChange = nowMs;
}

void RecoverySchedule::taken()
{
    m_pending = false;
}

qint64 RecoverySchedule::dueAt() const
{
    const qint64 gap = std::clamp(m_lastWriteMs * WriteCostFactor, PauseMs, MaxGapMs);
    return std::min(m_lastChange + PauseMs, m_firstChange + gap);
}
