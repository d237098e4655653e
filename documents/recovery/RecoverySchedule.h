#pragma once

#include <QtGlobal>

// When the recovery copy is due, in milliseconds of a steady clock. A copy follows
// PauseMs after typing pauses; while typing goes on, it is never more than
// PauseMs behind the first change it lacks, unless writing a copy is slow: then the gap
// may grow to ten times the last write, up to MaxGapMs, so a huge description does not
// keep the disk busy. Typing must not wait on any of it.
class RecoverySchedule {
public:
    static constexpr qint64 PauseMs = 2000;
    static constexpr qint64 MaxGapMs = 30000;
    static constexpr int WriteCostFactor = 10;

    void changed(qint64 nowMs);
    // The copy has taken everything changed so far.
    void taken();
    // How long the last copy took to write.
    void wrote(qint64 durationMs) { m_lastWriteMs = durationMs; }

    bool pending() const { return m_pending; }
    // When the copy is due; meaningful only while pending().
    qint64 dueAt() const;

private:
    bool m_pending = false;
    qint64 m_firstChange = 0;
    qint64 m_lastChange = 0;
    qint64 m_lastWriteMs = 0;
};
