#include "PackageOwnership.h"

#include <QProcess>
#include <QStringList>

namespace {
constexpr int QueryTimeoutMs = 10000;

std::function<bool(const QString&)>& ownerQuery()
{
    static std::function<bool(const QString&)> query;
    return query;
}

// dpkg records a file under the name its package gave it, which on a merged /usr may be
// either of the two.
QStringList namesOf(const QString& file)
{
    QStringList names{file};
    for (const QLatin1String top : {QLatin1String("/bin/"), QLatin1String("/sbin/"), QLatin1String("/lib/"),
                                    QLatin1String("/lib32/"), QLatin1String("/lib64/"), QLatin1String("/libx32/")}) {
        if (file.startsWith(QLatin1String("/usr") + top))
            names.append(file.mid(4));
        else if (file.startsWith(top))
            names.append(QLatin1String("/usr") + file);
    }
    return names;
}
} // namespace

bool DpkgOwnsFile(const QString& file)
{
    const QStringList names = namesOf(file);
    QProcess query;
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(QStringLiteral("dpkg-query"), QStringList{QStringLiteral("--search")} + names);
    if (!query.waitForFinished(QueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    // Each found file is a line "package[, package]: /path"; a name with wildcards would be
    // taken as a pattern, so only an exact path counts.
    const QStringList lines = QString::fromLocal8Bit(query.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype separator = line.indexOf(QLatin1String(": /"));
        if (separator > 0 && !line.startsWith(QLatin1String("diversion by ")) && names.contains(line.mid(separator + 2)))
            return true;
    }
    return false;
}

bool OwnedByPackage(const QString& file)
{
    return ownerQuery() ? ownerQuery()(file) : DpkgOwnsFile(file);
}

void SetPackageOwnerQuery(std::function<bool(const QString& file)> query)
{
    ownerQuery() = std::move(query);
}
