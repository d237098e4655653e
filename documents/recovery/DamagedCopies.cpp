#include "DamagedCopies.h"

#include "OneLineText.h"

#include <cstdio>

void DamagedCopies::add(const QString& path, const QString& fault, const QString& movedTo)
{
    if (count() == 0) {
        m_first = movedTo.isEmpty() ? QStringLiteral("%1: damaged recovery copy (%2), left in place").arg(path, fault)
                                    : QStringLiteral("%1: damaged recovery copy (%2), moved to %3").arg(path, fault, movedTo);
    }
    ++(movedTo.isEmpty() ? m_left : m_moved);
}

void DamagedCopies::report(const QString& damagedFolder)
{
    if (count() == 0)
        return;
    QString line = m_first;
    if (count() > 1) {
        line = QStringLiteral("%1 damaged recovery copies, %2 moved to %3").arg(count()).arg(m_moved).arg(damagedFolder);
        if (m_left > 0)
            line += QStringLiteral(", %1 left in place").arg(m_left);
        line += QStringLiteral("; the first: ") + m_first;
    }
    std::fprintf(stderr, "quorvane: %s\n", OneLineText(line).toLocal8Bit().constData());
    std::fflush(stderr);
    *this = DamagedCopies();
}
