#include "RecoveryStore.h"

#include "AppInfo.h"
#include "DescriptionFileFormat.h"
#include "RuntimeError.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <stdio.h>

namespace {
QString nameWithoutSuffix(const QString& fileName)
{
    return fileName.endsWith(RecoveryStore::Suffix) ? fileName.chopped(RecoveryStore::Suffix.size()) : QString();
}

bool writerHasEnded(const QString& identityName)
{
    const std::optional<ProcessIdentity> writer = ProcessIdentity::fromName(identityName);
    return writer && !writer->isRunning();
}
} // namespace

RecoveryStore::RecoveryStore(QString folder, ProcessIdentity self)
    : m_folder(std::move(folder))
    , m_self(std::move(self))
{
}

QString RecoveryStore::DefaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QLatin1Char('/') + AppInfo::Title() + QStringLiteral("/recovery");
}

QString RecoveryStore::ownCopyPath() const
{
    return m_folder + QLatin1Char('/') + m_self.name() + Suffix;
}

int RecoveryStore::save(const QByteArray& bytes) const
{
    // The copies hold the author's unpublished texts: the folders are the user's alone.
    if (!QFileInfo(m_folder).isDir() && !QDir().mkpath(m_folder))
        return ErrorNumber::PathNotFound;
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return WholeFile::save(ownCopyPath(), bytes);
}

void RecoveryStore::removeOwn() const
{
    QFile::remove(ownCopyPath());
}

QStringList RecoveryStore::orphans() const
{
    QFileInfoList found;
    const QDir dir(m_folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = entry.fileName();
        const QString identity = nameWithoutSuffix(name);
        if (!identity.isEmpty()) {
            if (identity != m_self.name() && writerHasEnded(identity))
                found.append(entry);
            continue;
        }
        // A temporary file of a copy being replaced: "<identity>.recovery.XXXXXX".
        const qsizetype copyEnd = name.indexOf(QString(Suffix) + QLatin1Char('.'));
        if (copyEnd > 0 && name.left(copyEnd) != m_self.name() && writerHasEnded(name.left(copyEnd)))
            QFile::remove(entry.filePath());
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    QStringList paths;
    for (const QFileInfo& entry : found)
        paths.append(entry.filePath());
    return paths;
}

std::optional<RecoveryCopy> RecoveryStore::claim(const QString& orphanPath, DamagedCopies& damaged) const
{
    // Renaming is the claim: of two editors starting at once, only one can succeed.
    const QString own = ownCopyPath();
    if (::rename(QFile::encodeName(orphanPath).constData(), QFile::encodeName(own).constData()) != 0)
        return std::nullopt;
    const WholeFile::ReadResult file =
        WholeFile::read(own, DescriptionFileFormat::MaxFileBytes + RecoveryCopyFormat::MaxHeaderBytes);
    RecoveryCopyFormat::Parsed parsed;
    if (file.tooLarge)
        parsed.fault = QStringLiteral("larger than the description size limit");
    else if (file.errorNumber != 0)
        parsed.fault = QStringLiteral("unreadable (%1)").arg(StandardErrorDescription(file.errorNumber));
    else
        parsed = RecoveryCopyFormat::parse(file.bytes);
    if (!parsed.copy) {
        const QString movedTo = setAside(own, orphanPath);
        if (movedTo.isEmpty())
            release(orphanPath);  // not to be taken for this editor's own copy
        damaged.add(orphanPath, parsed.fault, movedTo);
    }
    return std::move(parsed.copy);
}

void RecoveryStore::release(const QString& orphanPath) const
{
    ::rename(QFile::encodeName(ownCopyPath()).constData(), QFile::encodeName(orphanPath).constData());
}

void RecoveryStore::discard(const QString& orphanPath) const
{
    const QString own = ownCopyPath();
    if (::rename(QFile::encodeName(orphanPath).constData(), QFile::encodeName(own).constData()) == 0)
        removeOwn();
}

QString RecoveryStore::setAside(const QString& path, const QString& shownPath) const
{
    const QString damaged = damagedFolder();
    QDir().mkpath(damaged);
    const QString name = QFileInfo(shownPath).fileName();
    QString target = damaged + QLatin1Char('/') + name;
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = damaged + QLatin1Char('/') + name + QLatin1Char('.') + QString::number(n);
    return QFile::rename(path, target) ? target : QString();
}
