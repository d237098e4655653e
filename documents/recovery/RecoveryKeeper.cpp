#include "RecoveryKeeper.h"

#include "DocumentState.h"

#include <QFileInfo>

namespace {
// The file the open description belongs to, or nothing for a new description.
QString ownerPath()
{
    const DocumentState& document = Document();
    if (document.CurrentFileName.isEmpty())
        return {};
    return QFileInfo(document.currentPath()).absoluteFilePath();
}
} // namespace

RecoveryKeeper::RecoveryKeeper(std::function<RecoveryWriter::Texts()> texts, RecoveryStore store, QObject* parent)
    : QObject(parent)
    , m_texts(std::move(texts))
    , m_writer(std::move(store))
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::due);
}

void RecoveryKeeper::changed()
{
    if (m_finished)
        return;
    m_schedule.changed(m_clock.elapsed());
    arm();
}

void RecoveryKeeper::arm()
{
    m_timer.start(static_cast<int>(qMax<qint64>(0, m_schedule.dueAt() - m_clock.elapsed())));
}

void RecoveryKeeper::due()
{
    if (!m_schedule.pending())
        return;
    if (m_schedule.dueAt() > m_clock.elapsed()) {
        arm();
        return;
    }
    writeNow();
}

void RecoveryKeeper::writeNow()
{
    m_schedule.taken();
    m_schedule.wrote(m_writer.lastWriteMs());
    // No copy while nothing is unsaved.
    if (Document().DocumentDirty)
        m_writer.write(ownerPath(), m_texts());
}

void RecoveryKeeper::storedOrReplaced()
{
    if (m_finished)
        return;
    if (!Document().DocumentDirty) {
        m_schedule.taken();
        m_timer.stop();
    }
    // Waited for, so that no copy of what was saved or replaced outlives this moment.
    m_writer.remove();
    m_writer.wait();
}

void RecoveryKeeper::finish(bool keepChanges)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer.stop();
    if (keepChanges && Document().DocumentDirty)
        writeNow();
    else
        m_writer.remove();
    m_writer.wait();
}
