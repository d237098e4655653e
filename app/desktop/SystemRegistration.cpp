#include "SystemRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString DesktopEntryName = QStringLiteral("org.quorvane.Quorvane.desktop");
const QString MimePackageName = QStringLiteral("quorvane-mime.xml");
const QString MimeType = QStringLiteral("application/x-quorvane");

struct DesktopEntry {
    QString exec;
    QStringList mimeTypes;
    bool hidden = false;
};

// The keys we need from the [Desktop Entry] group.
DesktopEntry readDesktopEntry(const QString& path)
{
    DesktopEntry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Exec"))
            entry.exec = value;
        else if (key == QLatin1String("MimeType"))
            entry.mimeTypes = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        else if (key == QLatin1String("Hidden"))
            entry.hidden = value == QLatin1String("true");
    }
    return entry;
}

// The program of an Exec value: its first word, which may be quoted.
QString execProgram(const QString& exec)
{
    if (exec.startsWith(QLatin1Char('"'))) {
        QString program;
        for (qsizetype i = 1; i < exec.size(); ++i) {
            if (exec[i] == QLatin1Char('"'))
                return program;
            if (exec[i] == QLatin1Char('\\') && i + 1 < exec.size())
                ++i;
            program += exec[i];
        }
        return {};
    }
    return exec.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}

// The file the desktop would start: a bare name is looked up on the PATH.
QString resolveProgram(const QString& program)
{
    if (program.isEmpty())
        return {};
    const QString path = program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}
} // namespace

bool SystemRegistrationCovers(const QString& programPath, const QStringList& dataDirs)
{
    const QString program = QFileInfo(programPath).canonicalFilePath();
    if (program.isEmpty())
        return false;

    bool entryCovers = false;
    bool mimeCovers = false;
    bool entrySeen = false;
    for (const QString& dir : dataDirs) {
        if (dir.isEmpty())
            continue;
        const QDir data(dir);
        // The first folder that has the entry decides; later ones are shadowed by it.
        const QString entryPath = data.filePath(QStringLiteral("applications/") + DesktopEntryName);
        if (!entrySeen && QFileInfo::exists(entryPath)) {
            entrySeen = true;
            const DesktopEntry entry = readDesktopEntry(entryPath);
            entryCovers = !entry.hidden && entry.mimeTypes.contains(MimeType) &&
                          resolveProgram(execProgram(entry.exec)) == program;
        }
        mimeCovers = mimeCovers || QFileInfo::exists(data.filePath(QStringLiteral("mime/packages/") + MimePackageName));
    }
    return entryCovers && mimeCovers;
}

bool EntryOpensTypeWithOtherProgram(const QString& entryPath, const QString& programPath)
{
    // A link or anything but a plain file was put there by hand, not by us.
    const QFileInfo file(entryPath);
    if (file.isSymLink() || !file.isFile())
        return false;
    const DesktopEntry entry = readDesktopEntry(entryPath);
    if (entry.hidden || !entry.mimeTypes.contains(MimeType))
        return false;
    const QString program = resolveProgram(execProgram(entry.exec));
    return program.isEmpty() || program != QFileInfo(programPath).canonicalFilePath();
}

QStringList SystemDataDirs()
{
    const QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        return {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}
