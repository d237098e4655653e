// The per-user registration of the description file type, in a data folder of the test's own.
#include "FileTypeRegistration.h"
#include "TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

namespace R = FileTypeRegistration;

namespace {
QString validatorOutput(const QString& desktopFile)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        return {};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validator, {desktopFile});
    process.waitForFinished(30000);
    const QString output = QString::fromUtf8(process.readAll());
    return process.exitCode() == 0 ? output : QStringLiteral("exit %1: %2").arg(process.exitCode()).arg(output);
}

QString line(const QByteArray& file, const char* key)
{
    for (const QByteArray& l : file.split('\n'))
        if (l.startsWith(QByteArray(key) + '='))
            return QString::fromUtf8(l.mid(int(qstrlen(key)) + 1));
    return {};
}

QDateTime modified(const QString& path) { return QFileInfo(path).lastModified(); }

void setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

std::string tools(const QList<R::DatabaseUpdate>& updates)
{
    QStringList names;
    for (const R::DatabaseUpdate& update : updates)
        names.append(update.tool);
    return names.join(QLatin1Char(' ')).toStdString();
}
} // namespace

TEST(FileTypeRegistration, WritesTheMimePackageDesktopEntryAndIconsUnderXdgDataHome)
{
    TempFolder temp;
    const QString dataHome = temp.file(QStringLiteral("share"));
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    EXPECT_EQ(R::DataHome(), dataHome);
    qputenv("XDG_DATA_HOME", "relative/is/ignored");
    EXPECT_EQ(R::DataHome(), QDir::homePath() + QStringLiteral("/.local/share"));

    R::Register(dataHome, QStringLiteral("/opt/quorvane/bin/quorvane"));

    const QByteArray mime = TempFolder::read(dataHome + QStringLiteral("/mime/packages/quorvane-mime.xml"));
    for (const char* part : {"type=\"application/x-quorvane\"", "<comment>Quorvane</comment>", "<glob pattern=\"*.qvn\"/>",
                             "value=\"[[[QVN FILE]]]\""})
        EXPECT_TRUE(mime.contains(part)) << part;

    const QString entryPath = dataHome + QStringLiteral("/applications/org.quorvane.Quorvane.desktop");
    const QByteArray entry = TempFolder::read(entryPath);
    EXPECT_EQ(line(entry, "Exec"), QStringLiteral("/opt/quorvane/bin/quorvane %f"));
    EXPECT_EQ(line(entry, "MimeType"), QStringLiteral("application/x-quorvane;"));
    EXPECT_EQ(line(entry, "Icon"), QStringLiteral("org.quorvane.Quorvane"));
    EXPECT_EQ(validatorOutput(entryPath), QString());

    for (const char* size : {"16x16", "32x32", "48x48"}) {
        const QImage icon(dataHome + QStringLiteral("/icons/hicolor/%1/apps/org.quorvane.Quorvane.png").arg(QLatin1String(size)));
        EXPECT_EQ(QStringLiteral("%1x%2").arg(icon.width()).arg(icon.height()), QLatin1String(size));
    }
}

TEST(FileTypeRegistration, ProgramPathsWithBlanksAndSpecialCharactersAreQuotedForExec)
{
    const struct { const char *path, *exec; } cases[] = {
        {"/usr/bin/quorvane", "/usr/bin/quorvane"},
        {"/home/ann/My Programs/quorvane", "\"/home/ann/My Programs/quorvane\""},
        {"/home/ann/100%/quorvane", "/home/ann/100%%/quorvane"},
        {"/home/ann/$HOME \"x\"/q", "\"/home/ann/\\\\$HOME \\\\\"x\\\\\"/q\""},
        {"/home/ann/back\\slash/q", "\"/home/ann/back\\\\\\\\slash/q\""},
        {"/home/ann/it's/q", "\"/home/ann/it's/q\""},
    };
    TempFolder temp;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(R::DesktopExecProgram(QString::fromUtf8(c.path)), QString::fromUtf8(c.exec));
        const QString file = temp.write(QStringLiteral("org.quorvane.Quorvane.desktop"), R::DesktopEntry(QString::fromUtf8(c.path)));
        EXPECT_EQ(validatorOutput(file), QString());
    }
}

TEST(FileTypeRegistration, AMovedProgramIsRewrittenAndAnUnchangedOneLeftAlone)
{
    TempFolder temp;
    const QString dataHome = temp.file(QStringLiteral("share"));
    const QString entryPath = dataHome + QStringLiteral("/applications/org.quorvane.Quorvane.desktop");
    R::Register(dataHome, QStringLiteral("/first/place/quorvane"));
    EXPECT_TRUE(R::ChangedFiles(R::WantedFiles(dataHome, QStringLiteral("/first/place/quorvane"))).isEmpty());
    EXPECT_FALSE(R::ShouldRegisterForUser(QStringLiteral("/first/place/quorvane"), {}));

    // Backdate everything, so that a rewrite shows in the times.
    const QDateTime past = QDateTime::currentDateTime().addDays(-2);
    for (const R::File& file : R::WantedFiles(dataHome, QString())) {
        QFile f(file.path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(past, QFileDevice::FileModificationTime);
    }
    const QString package = dataHome + QStringLiteral("/mime/packages/quorvane-mime.xml");
    R::Register(dataHome, QStringLiteral("/first/place/quorvane"));
    EXPECT_EQ(modified(entryPath), past);
    EXPECT_EQ(modified(package), past);

    const QList<R::File> changed = R::ChangedFiles(R::WantedFiles(dataHome, QStringLiteral("/second place/quorvane")));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.front().path, entryPath);
    EXPECT_TRUE(R::ShouldRegisterForUser(QStringLiteral("/second place/quorvane"), changed));
    R::Register(dataHome, QStringLiteral("/second place/quorvane"));
    EXPECT_EQ(line(TempFolder::read(entryPath), "Exec"), QStringLiteral("\"/second place/quorvane\" %f"));
    EXPECT_GT(modified(entryPath), past);
    EXPECT_EQ(modified(package), past);

    // Something else in our file's place is replaced by ours.
    temp.write(QStringLiteral("share/mime/packages/quorvane-mime.xml"), "<mime-info/>");
    R::Register(dataHome, QStringLiteral("/second place/quorvane"));
    EXPECT_TRUE(TempFolder::read(package).contains("*.qvn"));
}

TEST(FileTypeRegistration, AFolderThatCannotBeWrittenIsIgnored)
{
    TempFolder temp;
    // A plain file in the data folder's path stops every write, whoever runs the test.
    const QString blocked = temp.write(QStringLiteral("not-a-folder"), "x") + QStringLiteral("/share");
    R::Register(blocked, QStringLiteral("/opt/quorvane/bin/quorvane"));
    EXPECT_FALSE(QFileInfo::exists(blocked));

    // A read-only data folder, where permissions hold (they do not for the superuser).
    const QString readOnly = temp.file(QStringLiteral("readonly"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    R::Register(readOnly, QStringLiteral("/opt/quorvane/bin/quorvane"));
    if (geteuid() != 0)
        EXPECT_TRUE(QDir(readOnly).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(FileTypeRegistration, LinksAreReplacedAndNothingIsWrittenOutsideTheDataFolder)
{
    TempFolder temp;
    const QString dataHome = temp.file(QStringLiteral("share"));
    const QString outside = temp.file(QStringLiteral("outside"));
    ASSERT_TRUE(QDir().mkpath(outside + QStringLiteral("/icons")));
    const QString program = QStringLiteral("/opt/quorvane/bin/quorvane");
    const QList<R::File> wanted = R::WantedFiles(dataHome, program);
    ASSERT_EQ(wanted.size(), 5);
    const QString mimePackage = wanted[0].path, entry = wanted[1].path, icon16 = wanted[2].path, icon32 = wanted[3].path;
    for (const QString& path : {mimePackage, entry, icon16})
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));

    // A link to a foreign file, a link to a file that holds exactly our text, a dangling
    // link, and a folder on the way that is a link to somewhere else.
    const QString foreignEntry = temp.write(QStringLiteral("outside/someone.desktop"), "[Desktop Entry]\nName=Theirs\n");
    ASSERT_TRUE(QFile::link(foreignEntry, entry));
    const QString sameText = temp.write(QStringLiteral("outside/mime.xml"), wanted[0].content);
    ASSERT_TRUE(QFile::link(sameText, mimePackage));
    const QString dangling = outside + QStringLiteral("/new.png");
    ASSERT_TRUE(QFile::link(dangling, icon16));
    ASSERT_TRUE(QFile::link(outside + QStringLiteral("/icons"), QFileInfo(QFileInfo(icon32).path()).path()));
    EXPECT_EQ(R::ChangedFiles(wanted).size(), 5) << "a link counts as changed even when it shows our text";

    R::Register(dataHome, program);

    for (const R::File& file : {wanted[0], wanted[1], wanted[2]}) {
        const QFileInfo info(file.path);
        EXPECT_FALSE(info.isSymLink()) << file.path.toStdString();
        EXPECT_TRUE(info.isFile()) << file.path.toStdString();
        EXPECT_EQ(TempFolder::read(file.path), file.content) << file.path.toStdString();
    }
    EXPECT_EQ(TempFolder::read(foreignEntry), "[Desktop Entry]\nName=Theirs\n");
    EXPECT_EQ(TempFolder::read(sameText), wanted[0].content);
    EXPECT_FALSE(QFileInfo::exists(dangling));
    EXPECT_TRUE(QDir(outside + QStringLiteral("/icons")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot))
        << "nothing written through a linked folder";
    EXPECT_FALSE(QFileInfo::exists(icon32));
    // The next start finds nothing to do but the file behind the folder link.
    const QList<R::File> left = R::ChangedFiles(wanted);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left.front().path, icon32);
}

// Each database is rebuilt when its cache is missing or older than the file it is built from,
// a second either way deciding.
TEST(FileTypeRegistration, DatabasesAreRefreshedWhenTheirFilesAreNewerThanTheCaches)
{
    TempFolder temp;
    const QString dataHome = temp.file(QStringLiteral("share"));
    // Update tools of the test's own, which only note that they ran.
    const QString ran = temp.file(QStringLiteral("ran"));
    ASSERT_TRUE(QDir().mkpath(temp.file(QStringLiteral("tools"))));
    for (const char* tool : {"update-mime-database", "update-desktop-database"}) {
        const QString script = temp.write(QStringLiteral("tools/") + QLatin1String(tool),
                                          "#!/bin/sh\necho \"$(basename \"$0\") $1\" >>'" + ran.toUtf8() + "'\n");
        QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", temp.file(QStringLiteral("tools")).toUtf8() + ':' + path);
    R::Register(dataHome, QStringLiteral("/opt/quorvane/bin/quorvane"));
    qputenv("PATH", path);
    // No caches yet: both are built.
    EXPECT_TRUE(QTest::qWaitFor([&] { return TempFolder::read(ran).count('\n') == 2; }, 20000));
    QStringList lines = QString::fromUtf8(TempFolder::read(ran)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    EXPECT_EQ(lines, QStringList({QStringLiteral("update-desktop-database ") + dataHome + QStringLiteral("/applications"),
                                  QStringLiteral("update-mime-database ") + dataHome + QStringLiteral("/mime")}));

    const QString mimeCache = temp.write(QStringLiteral("share/mime/mime.cache"), "cache");
    const QString desktopCache = temp.write(QStringLiteral("share/applications/mimeinfo.cache"), "cache");
    const QDateTime written = QDateTime::currentDateTime().addDays(-1);
    setModified(dataHome + QStringLiteral("/mime/packages/quorvane-mime.xml"), written);
    setModified(dataHome + QStringLiteral("/applications/org.quorvane.Quorvane.desktop"), written);
    const QDateTime older = written.addSecs(-1);
    const QDateTime newer = written.addSecs(1);
    const struct {
        QDateTime mimeCache, desktopCache;
        const char* refreshed;
    } cases[] = {
        {older, older, "update-mime-database update-desktop-database"},
        {newer, newer, ""},
        {older, newer, "update-mime-database"},
        {newer, older, "update-desktop-database"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mimeCache == older ? "older mime cache" : "newer mime cache");
        setModified(mimeCache, c.mimeCache);
        setModified(desktopCache, c.desktopCache);
        EXPECT_EQ(tools(R::StaleDatabases(dataHome)), c.refreshed);
    }
    setModified(mimeCache, older);
    setModified(desktopCache, newer);
    const QList<R::DatabaseUpdate> stale = R::StaleDatabases(dataHome);
    ASSERT_EQ(stale.size(), 1);
    EXPECT_EQ(stale.front().folder, dataHome + QStringLiteral("/mime"));
}

// Inside the data folder means below it name by name: a folder link into a sibling whose name
// only begins like the data folder's leads outside, one into a folder of the data folder does not.
TEST(FileTypeRegistration, AFolderLinkIntoASiblingNamedLikeTheDataFolderLeadsOutside)
{
    TempFolder temp;
    const QString dataHome = temp.file(QStringLiteral("share"));
    const QString sibling = temp.file(QStringLiteral("share-other"));
    const QString inside = dataHome + QStringLiteral("/real-applications");
    for (const QString& folder : {sibling + QStringLiteral("/packages"), inside})
        ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::link(sibling, dataHome + QStringLiteral("/mime")));
    ASSERT_TRUE(QFile::link(inside, dataHome + QStringLiteral("/applications")));
    const QString program = QStringLiteral("/opt/quorvane/bin/quorvane");
    const QList<R::File> wanted = R::WantedFiles(dataHome, program);
    ASSERT_EQ(wanted.size(), 5);

    R::Register(dataHome, program);

    EXPECT_TRUE(QDir(sibling + QStringLiteral("/packages")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot))
        << "written through the link into share-other";
    EXPECT_FALSE(QFileInfo::exists(wanted[0].path));
    EXPECT_EQ(TempFolder::read(inside + QStringLiteral("/") + QLatin1String(R::DesktopFileName)), wanted[1].content)
        << "the link that stays inside the data folder is followed";
    EXPECT_EQ(R::ChangedFiles(wanted).size(), 1);
}
