#pragma once

#include "RecoverySchedule.h"
#include "RecoveryWriter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// Keeps a recovery copy of the open description while it has unsaved changes: written
// when the schedule says, removed once the changes are saved, replaced or discarded.
// The window tells it what happens; taking the texts costs the window no more than
// `texts` does, since the copy is made and written on the writer's thread.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // texts gives the nine texts as they are now, to be gathered later on another thread.
    explicit RecoveryKeeper(std::function<RecoveryWriter::Texts()> texts, RecoveryStore store = RecoveryStore(),
                            QObject* parent = nullptr);

    // A box changed.
    void changed();
    // The description was saved, loaded, or replaced by a new one: the copy goes; a new
    // description that is still unsaved gets its own at the next turn.
    void storedOrReplaced();
    // The window closes: a copy stays only of changes that were neither saved nor given up.
    void finish(bool keepChanges);

    RecoveryWriter& writer() { return m_writer; }

private:
    void arm();
    void due();
    void writeNow();

    std::function<RecoveryWriter::Texts()> m_texts;
    RecoveryWriter m_writer;
    RecoverySchedule m_schedule;
    QElapsedTimer m_clock;
    QTimer m_timer;
    bool m_finished = false;
};
