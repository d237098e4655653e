#include "ExpandToLongPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
// The entry's name as stored in folder, or nothing when there is no single such entry.
QString storedName(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QString found;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return {};
        found = entry;
    }
    return found;
}
} // namespace

QString ExpandToLongPath(const QString& path)
{
    if (path.isEmpty())
        return {};
    // "." and ".." are folded first: they have no stored name of their own.
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const QStringList components = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString result;
    bool found = true;
    for (const QString& component : components) {
        QString name;
        if (found) {
            name = storedName(result.isEmpty() ? QStringLiteral("/") : result, component);
            found = !name.isEmpty();
        }
        result += QLatin1Char('/') + (found ? name : component);
    }
    return result.isEmpty() ? QStringLiteral("/") : result;
}
