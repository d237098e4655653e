#include "ProcessIdentity.h"

#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <cerrno>
#include <limits>
#include <signal.h>
#include <unistd.h>

namespace {
QString thisHost()
{
    QString host = QSysInfo::machineHostName();
    for (QChar& c : host) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'.' && c != u'-')
            c = u'-';
    }
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

QString thisBoot()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll().trimmed());
}

struct ProcessStat {
    char state = '?';
    quint64 startTicks = 0;
};

// Fields 3 (the state) and 22 of /proc/<pid>/stat; the command name before them may hold
// blanks and brackets.
std::optional<ProcessStat> statOf(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray stat = file.readAll();
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    constexpr int StartTimeAfterName = 19;  // fields 3 onwards follow the name
    if (fields.size() <= StartTimeAfterName || fields[0].size() != 1)
        return std::nullopt;
    bool ok = false;
    const quint64 ticks = fields[StartTimeAfterName].toULongLong(&ok);
    return ok ? std::optional(ProcessStat{fields[0][0], ticks}) : std::nullopt;
}

std::optional<quint64> startTicksOf(qint64 pid)
{
    const std::optional<ProcessStat> stat = statOf(pid);
    return stat ? std::optional(stat->startTicks) : std::nullopt;
}
} // namespace

QString ProcessIdentity::name() const
{
    return QStringLiteral("%1_%2_%3_%4").arg(host, boot).arg(pid).arg(startTicks);
}

std::optional<ProcessIdentity> ProcessIdentity::fromName(QStringView name)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z0-9.-]+)_([A-Za-z0-9-]+)_([0-9]{1,10})_([0-9]{1,20})$"));
    const QRegularExpressionMatch match = pattern.match(name.toString());
    if (!match.hasMatch())
        return std::nullopt;
    ProcessIdentity identity{match.captured(1), match.captured(2), match.capturedView(3).toLongLong(),
                             match.capturedView(4).toULongLong()};
    if (identity.pid <= 0 || identity.pid > std::numeric_limits<pid_t>::max())
        return std::nullopt;
    return identity;
}

ProcessIdentity ProcessIdentity::current()
{
    static const ProcessIdentity self = [] {
        const qint64 pid = ::getpid();
        return ProcessIdentity{thisHost(), thisBoot(), pid, startTicksOf(pid).value_or(0)};
    }();
    return self;
}

std::optional<ProcessIdentity> ProcessIdentity::ofProcess(qint64 pid)
{
    const std::optional<quint64> ticks = startTicksOf(pid);
    if (!ticks)
        return std::nullopt;
    return ProcessIdentity{thisHost(), thisBoot(), pid, *ticks};
}

bool ProcessIdentity::isRunning() const
{
    const ProcessIdentity self = current();
    if (host != self.host)
        return true;
    if (boot != self.boot)
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    // The number is in use: by the same process only if it started at the same moment. A
    // killed process that its parent has not yet waited for (a zombie) has ended all the same.
    const std::optional<ProcessStat> stat = statOf(pid);
    if (!stat)
        return true;
    return stat->startTicks == startTicks && stat->state != 'Z' && stat->state != 'X';
}
