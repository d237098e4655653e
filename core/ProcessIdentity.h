#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A process told apart from any later one that gets the same number: the machine, the
// boot, the process number and the moment it started. Recovery copies are named by it.
struct ProcessIdentity {
    QString host;            // the machine's name, reduced to letters, digits, '.' and '-'
    QString boot;            // this boot's id
    qint64 pid = 0;
    quint64 startTicks = 0;  // when the process started, in clock ticks since the boot

    bool operator==(const ProcessIdentity&) const = default;

    // "host_boot_pid_start", usable as a file name; fromName reads it back.
    QString name() const;
    static std::optional<ProcessIdentity> fromName(QStringView name);

    static ProcessIdentity current();
    // The process with that number as it is now; nothing when there is none.
    static std::optional<ProcessIdentity> ofProcess(qint64 pid);

    // False only when the process is known to have ended. One on another machine counts
    // as running: nothing here can tell.
    bool isRunning() const;
};
