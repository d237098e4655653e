#pragma once

#include "DamagedCopies.h"
#include "ProcessIdentity.h"
#include "RecoveryCopyFormat.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The folder of recovery copies, $XDG_STATE_HOME/Quorvane/recovery: at most one copy per
// editor, named after the process that writes it, so that a copy whose editor still runs
// is never taken, and one whose editor has ended can be taken over by exactly one other.
class RecoveryStore {
public:
    static constexpr QLatin1StringView Suffix{".recovery"};

    explicit RecoveryStore(QString folder = DefaultFolder(), ProcessIdentity self = ProcessIdentity::current());

    // $XDG_STATE_HOME (when it is an absolute path, else ~/.local/state)/Quorvane/recovery.
    static QString DefaultFolder();

    const QString& folder() const { return m_folder; }
    const ProcessIdentity& self() const { return m_self; }
    QString ownCopyPath() const;

    // Replaces this editor's copy at once; a run-time error number, 0 for success.
    int save(const QByteArray& bytes) const;
    void removeOwn() const;

    // Copies left by editors that have ended, newest first. Temporary files such editors
    // left half written are removed on the way; everything of a running editor stays.
    QStringList orphans() const;

    // Takes an orphan over as this editor's own copy and reads it, its header first: a
    // damaged copy of any size is told by its first bytes. Nothing when another editor took
    // it first, or when it is damaged: such a copy is moved to damaged/ and noted in damaged.
    // One that cannot be moved is left in place and remembered (by name, size and time, in
    // LeftInPlaceList beside the folder), so that later starts pass over it unread and
    // unsaid.
    std::optional<RecoveryCopy> claim(const QString& orphanPath, DamagedCopies& damaged) const;
    // Gives a claimed copy back under its old name, for the next start to offer again.
    void release(const QString& orphanPath) const;
    // Deletes an orphan unread, unless another editor took it first.
    void discard(const QString& orphanPath) const;

    QString damagedFolder() const { return m_folder + QStringLiteral("/damaged"); }
    QString leftInPlaceList() const;

private:
    // Where path now lies in damaged/, or nothing when it could not be moved.
    QString setAside(const QString& path, const QString& shownPath) const;

    const QSet<QString>& leftInPlace() const;
    void rememberLeftInPlace(const QString& key) const;

    QString m_folder;
    ProcessIdentity m_self;
    mutable std::optional<QSet<QString>> m_leftInPlace;
};
