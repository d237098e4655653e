#include "RecoveryStore.h"

#include "AppInfo.h"
#include "DescriptionFileFormat.h"
#include "OwnFiles.h"
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

// The list of damaged copies left in place stays small: past this it starts again.
constexpr qint64 MaxLeftInPlaceListBytes = 1024 * 1024;

// A copy as the list of those left in place knows it.
QString leftInPlaceKey(const QFileInfo& copy)
{
    return QStringLiteral("%1\t%2\t%3").arg(copy.fileName()).arg(copy.size()).arg(copy.lastModified().toMSecsSinceEpoch());
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
    // A new folder is made the user's alone; one that is there keeps its mode, and a link in
    // its place (to a shared folder, say) is not used at all.
    if (!OwnFiles::MakeFolder(m_folder, 0700))
        return OwnFiles::KindOf(m_folder) == OwnFiles::Kind::Missing ? ErrorNumber::PathNotFound
                                                                     : ErrorNumber::PathFileAccessError;
    // Our copy is written through a link by its name; nothing but a file of ours goes there.
    const OwnFiles::Kind own = OwnFiles::KindOf(ownCopyPath());
    if (own != OwnFiles::Kind::Missing && own != OwnFiles::Kind::File)
        OwnFiles::Remove(ownCopyPath());
    return WholeFile::save(ownCopyPath(), bytes);
}

void RecoveryStore::removeOwn() const
{
    QFile::remove(ownCopyPath());
}

QStringList RecoveryStore::orphans() const
{
    QFileInfoList found;
    if (OwnFiles::KindOf(m_folder) != OwnFiles::Kind::Folder)
        return {};
    const QDir dir(m_folder);
    // A link is no copy of ours: taking it over would read, and later remove, what it names.
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
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
    const QString key = leftInPlaceKey(QFileInfo(orphanPath));
    if (leftInPlace().contains(key))
        return std::nullopt;
    // Renaming is the claim: of two editors starting at once, only one can succeed.
    const QString own = ownCopyPath();
    if (::rename(QFile::encodeName(orphanPath).constData(), QFile::encodeName(own).constData()) != 0)
        return std::nullopt;
    // The header and the length it declares first: a damaged copy is not read in full.
    qint64 size = 0;
    const WholeFile::ReadResult start = WholeFile::readStart(own, RecoveryCopyFormat::MaxHeaderBytes, size);
    RecoveryCopyFormat::Parsed parsed;
    if (start.errorNumber == 0)
        parsed.fault = RecoveryCopyFormat::checkStart(start.bytes, size);
    if (start.errorNumber == 0 && parsed.fault.isEmpty()) {
        const WholeFile::ReadResult file =
            WholeFile::read(own, DescriptionFileFormat::MaxFileBytes + RecoveryCopyFormat::MaxHeaderBytes);
        if (file.tooLarge)
            parsed.fault = QStringLiteral("larger than the description size limit");
        else if (file.errorNumber != 0)
            parsed.fault = QStringLiteral("unreadable (%1)").arg(StandardErrorDescription(file.errorNumber));
        else
            parsed = RecoveryCopyFormat::parse(file.bytes);
    } else if (start.errorNumber != 0) {
        parsed.fault = QStringLiteral("unreadable (%1)").arg(StandardErrorDescription(start.errorNumber));
    }
    if (!parsed.copy) {
        const QString movedTo = setAside(own, orphanPath);
        if (movedTo.isEmpty()) {
            release(orphanPath);  // not to be taken for this editor's own copy
            rememberLeftInPlace(key);
        }
        damaged.add(orphanPath, parsed.fault, movedTo);
    }
    return std::move(parsed.copy);
}

QString RecoveryStore::leftInPlaceList() const
{
    return QFileInfo(m_folder).absolutePath() + QStringLiteral("/damaged-recovery-copies");
}

const QSet<QString>& RecoveryStore::leftInPlace() const
{
    if (!m_leftInPlace) {
        m_leftInPlace.emplace();
        const WholeFile::ReadResult list = WholeFile::read(leftInPlaceList(), MaxLeftInPlaceListBytes);
        for (const QByteArray& line : list.bytes.split('\n')) {
            if (!line.isEmpty())
                m_leftInPlace->insert(QString::fromUtf8(line));
        }
    }
    return *m_leftInPlace;
}

void RecoveryStore::rememberLeftInPlace(const QString& key) const
{
    leftInPlace();
    m_leftInPlace->insert(key);
    const QString path = leftInPlaceList();
    const OwnFiles::Kind kind = OwnFiles::KindOf(path);
    if (kind != OwnFiles::Kind::Missing && kind != OwnFiles::Kind::File)
        return;
    QFile list(path);
    const bool full = list.size() + key.size() + 1 > MaxLeftInPlaceListBytes;
    if (list.open(full ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::WriteOnly | QIODevice::Append))
        list.write(key.toUtf8() + '\n');
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
    const QString name = QFileInfo(shownPath).fileName();
    QString target = damaged + QLatin1Char('/') + name;
    for (int n = 1; OwnFiles::KindOf(target) != OwnFiles::Kind::Missing; ++n)
        target = damaged + QLatin1Char('/') + name + QLatin1Char('.') + QString::number(n);
    // Only into a real folder of ours: a link there would carry the copy off elsewhere.
    return OwnFiles::MakeFolder(damaged, 0700) && QFile::rename(path, target) ? target : QString();
}
