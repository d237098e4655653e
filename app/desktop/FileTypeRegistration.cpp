#include "FileTypeRegistration.h"

#include "SystemRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace FileTypeRegistration {

namespace {
QByteArray resource(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray onDisk(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A registration file is small; something huge is not ours and gets replaced.
    return file.read(1 << 20);
}

// Whether path is folder itself or lies below it, a whole name at a time: "share-other" is
// not below "share". Both are clean absolute paths.
bool below(const QString& folder, const QString& path)
{
    const QString relative = QDir(folder).relativeFilePath(path);
    return relative == QLatin1String(".") || relative.isEmpty() ||
           (!QDir::isAbsolutePath(relative) && relative != QLatin1String("..") &&
            !relative.startsWith(QLatin1String("../")));
}

// Whether folder, as far as it exists, lies within dataHome once links are followed:
// a link in between could lead a write anywhere.
bool within(const QString& dataHome, const QString& folder)
{
    const QString home = QFileInfo(dataHome).canonicalFilePath();
    if (home.isEmpty())
        return false;
    QString existing = QDir::cleanPath(folder);
    while (!QFileInfo::exists(existing) && QFileInfo(existing).path() != existing)
        existing = QFileInfo(existing).path();
    const QString real = QFileInfo(existing).canonicalFilePath();
    return !real.isEmpty() && below(home, real);
}

bool write(const QString& dataHome, const File& file)
{
    const QString folder = QFileInfo(file.path).path();
    if (!QDir().mkpath(dataHome) || !within(dataHome, folder) || !QDir().mkpath(folder))
        return false;
    // QSaveFile would replace the file a link points to; the link itself goes instead.
    const QFileInfo target(file.path);
    if (target.isSymLink() && !QFile::remove(file.path))
        return false;
    QSaveFile out(file.path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(file.content);
    return out.commit();
}

// A cache that is missing or older than what it is built from.
bool stale(const QString& cache, const QString& source)
{
    const QFileInfo cached(cache);
    return !cached.exists() || cached.lastModified() < QFileInfo(source).lastModified();
}

void startDetached(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        QProcess::startDetached(program, {folder});
}

QString mimePackagePath(const QString& dataHome)
{
    return dataHome + QStringLiteral("/mime/packages/") + QLatin1String(MimePackageName);
}

QString desktopEntryPath(const QString& dataHome)
{
    return dataHome + QStringLiteral("/applications/") + QLatin1String(DesktopFileName);
}
} // namespace

QString DataHome()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return QDir::cleanPath(configured);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString DesktopExecProgram(const QString& programPath)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument = programPath;
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    bool quote = false;
    for (const QChar c : programPath)
        quote = quote || reserved.contains(c);
    if (quote) {
        QString quoted;
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        argument = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // The Exec value is also a string value, whose own escapes come on top.
    QString value;
    for (const QChar c : argument) {
        switch (c.unicode()) {
        case '\\': value += QStringLiteral("\\\\"); break;
        case '\n': value += QStringLiteral("\\n"); break;
        case '\t': value += QStringLiteral("\\t"); break;
        case '\r': value += QStringLiteral("\\r"); break;
        default: value += c;
        }
    }
    return value;
}

QByteArray DesktopEntry(const QString& programPath)
{
    QByteArray entry = resource(QStringLiteral(":/desktop/org.quorvane.Quorvane.desktop.in"));
    entry.replace("@QUORVANE_EXEC@", DesktopExecProgram(programPath).toUtf8());
    return entry;
}

QList<File> WantedFiles(const QString& dataHome, const QString& programPath)
{
    QList<File> files{
        {mimePackagePath(dataHome), resource(QStringLiteral(":/desktop/quorvane-mime.xml"))},
        {desktopEntryPath(dataHome), DesktopEntry(programPath)},
    };
    for (const int size : {16, 32, 48}) {
        files.append({QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(dataHome).arg(size).arg(QLatin1String(IconName)),
                      resource(QStringLiteral(":/icons/AAA/%1.png").arg(size))});
    }
    return files;
}

QList<File> ChangedFiles(const QList<File>& wanted)
{
    QList<File> changed;
    for (const File& file : wanted) {
        if (QFileInfo(file.path).isSymLink() || onDisk(file.path) != file.content)
            changed.append(file);
    }
    return changed;
}

void RemoveShadowingEntry(const QString& dataHome, const QString& programPath)
{
    // The user's entry wins over the system's, so an old copy's entry would keep opening
    // description files with that copy (or with nothing, once it is gone).
    const QString entry = desktopEntryPath(dataHome);
    if (EntryOpensTypeWithOtherProgram(entry, programPath) &&
        SystemRegistrationCovers(programPath, SystemDataDirs()) && QFile::remove(entry)) {
        const QString applications = dataHome + QStringLiteral("/applications");
        if (QFileInfo::exists(applications + QStringLiteral("/mimeinfo.cache")))
            startDetached(QStringLiteral("update-desktop-database"), applications);
    }
}

bool ShouldRegisterForUser(const QString& programPath, const QList<File>& changed)
{
    // An installed package that registers the type for this very program needs no copy of
    // ours in the user's folders.
    return !changed.isEmpty() && !SystemRegistrationCovers(programPath, SystemDataDirs());
}

QList<DatabaseUpdate> StaleDatabases(const QString& dataHome)
{
    QList<DatabaseUpdate> updates;
    const QString mimeFolder = dataHome + QStringLiteral("/mime");
    const QString package = mimePackagePath(dataHome);
    if (QFileInfo::exists(package) && within(dataHome, mimeFolder) && stale(mimeFolder + QStringLiteral("/mime.cache"), package))
        updates.append({QStringLiteral("update-mime-database"), mimeFolder});
    const QString applications = dataHome + QStringLiteral("/applications");
    const QString entry = desktopEntryPath(dataHome);
    if (QFileInfo::exists(entry) && within(dataHome, applications) && stale(applications + QStringLiteral("/mimeinfo.cache"), entry))
        updates.append({QStringLiteral("update-desktop-database"), applications});
    return updates;
}

void Register(const QString& dataHome, const QString& programPath)
{
    const QList<File> changed = ChangedFiles(WantedFiles(dataHome, programPath));
    if (ShouldRegisterForUser(programPath, changed)) {
        for (const File& file : changed)
            write(dataHome, file);
    } else {
        RemoveShadowingEntry(dataHome, programPath);
    }
    // The databases are brought up to date also when an earlier update never ran.
    for (const DatabaseUpdate& update : StaleDatabases(dataHome))
        startDetached(update.tool, update.folder);
}

} // namespace FileTypeRegistration
