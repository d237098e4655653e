// Whether an installed package already registers the file type for this program, so the
// per-user registration can stay out of its way.
#include "FileTypeRegistration.h"
#include "SystemRegistration.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// Sets an environment variable for a scope; a null value unsets it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : m_name(name), m_saved(qgetenv(name)) { set(value); }
    ~ScopedEnv() { set(m_saved); }
    void set(const QByteArray& value) const { value.isNull() ? qunsetenv(m_name) : qputenv(m_name, value); }

private:
    const char* m_name;
    QByteArray m_saved;
};

class SystemRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* dir : {"bin", "other", "usr/share/applications", "usr/share/mime/packages",
                                "local/share/applications", "local/share/mime/packages"})
            QDir(temp.path()).mkpath(QString::fromLatin1(dir));
        program = executable(u"bin/quorvane"_s);
        system = temp.file(u"usr/share"_s);
        local = temp.file(u"local/share"_s);
    }

    QString executable(const QString& name)
    {
        const QString path = temp.write(name, "#!/bin/sh\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    void writeEntry(const QString& dataDir, const QString& exec,
                    const QString& extra = u"MimeType=application/x-quorvane;\n"_s)
    {
        QFile file(dataDir + u"/applications/org.quorvane.Quorvane.desktop"_s);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("[Desktop Entry]\nType=Application\nName=Quorvane\nExec=" + exec + "\n" + extra +
                    "\n[Desktop Action New]\nExec=/elsewhere/quorvane --new\n")
                       .toUtf8());
    }

    void writeMimePackage(const QString& dataDir)
    {
        QFile file(dataDir + u"/mime/packages/quorvane-mime.xml"_s);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<mime-info/>\n");
    }

    TempFolder temp;
    QString program, system, local;
};
} // namespace

TEST_F(SystemRegistrationTest, PackageForThisProgramCovers)
{
    writeEntry(system, program + u" %f"_s);
    writeMimePackage(system);
    EXPECT_TRUE(SystemRegistrationCovers(program, {local, system}));
    // Both halves are needed.
    QFile::remove(system + u"/mime/packages/quorvane-mime.xml"_s);
    EXPECT_FALSE(SystemRegistrationCovers(program, {local, system}));
    // The MIME package may come from another of the folders.
    writeMimePackage(local);
    EXPECT_TRUE(SystemRegistrationCovers(program, {local, system}));
}

TEST_F(SystemRegistrationTest, EntryForAnotherProgramDoesNotCover)
{
    writeMimePackage(system);
    for (const QString& exec : {executable(u"other/quorvane"_s) + u" %f"_s, temp.file(u"bin/missing"_s), QString()}) {
        writeEntry(system, exec);
        EXPECT_FALSE(SystemRegistrationCovers(program, {system})) << exec.toStdString();
    }
    EXPECT_FALSE(SystemRegistrationCovers(program, {temp.file(u"nowhere"_s)}));
    EXPECT_FALSE(SystemRegistrationCovers(temp.file(u"bin/missing"_s), {system}));
}

TEST_F(SystemRegistrationTest, BareProgramNameIsLookedUpOnThePath)
{
    writeMimePackage(system);
    writeEntry(system, u"quorvane %f"_s);
    const ScopedEnv path("PATH", (temp.file(u"other"_s) + u':' + temp.file(u"bin"_s)).toUtf8());
    EXPECT_TRUE(SystemRegistrationCovers(program, {system}));
    // An earlier folder on the PATH holds another program of that name.
    executable(u"other/quorvane"_s);
    EXPECT_FALSE(SystemRegistrationCovers(program, {system}));
}

TEST_F(SystemRegistrationTest, ProgramReachedThroughALinkOrAQuotedPathCovers)
{
    writeMimePackage(system);
    QDir(temp.path()).mkpath(u"with space"_s);
    const QString link = temp.file(u"with space/quorvane"_s);
    ASSERT_TRUE(QFile::link(program, link));
    writeEntry(system, u"\""_s + link + u"\" %f"_s);
    EXPECT_TRUE(SystemRegistrationCovers(program, {system}));
    EXPECT_TRUE(SystemRegistrationCovers(link, {system}));
}

TEST_F(SystemRegistrationTest, EntryThatWinsMustBeOurs)
{
    writeMimePackage(system);
    writeEntry(system, program);
    // An earlier folder's entry shadows the system one.
    writeEntry(local, executable(u"other/quorvane"_s));
    EXPECT_FALSE(SystemRegistrationCovers(program, {local, system}));
    EXPECT_TRUE(SystemRegistrationCovers(program, {system, local}));
    // A hidden entry counts as deleted; one that does not name the type does not register it.
    writeEntry(system, program, u"MimeType=application/x-quorvane;\nHidden=true\n"_s);
    EXPECT_FALSE(SystemRegistrationCovers(program, {system}));
    writeEntry(system, program, u"MimeType=text/plain;\n"_s);
    EXPECT_FALSE(SystemRegistrationCovers(program, {system}));
}

TEST_F(SystemRegistrationTest, PerUserRegistrationStaysOutOfAnInstalledPackagesWay)
{
    writeEntry(system, u"quorvane %f"_s);
    writeMimePackage(system);
    const ScopedEnv dirs("XDG_DATA_DIRS", system.toUtf8());
    // The package's entry finds the program on the PATH; no cache tools run from there.
    const ScopedEnv path("PATH", temp.file(u"bin"_s).toUtf8());
    const QString home = temp.file(u"home"_s);
    const QString entry = home + u"/applications/org.quorvane.Quorvane.desktop"_s;

    FileTypeRegistration::Register(home, program);
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_FALSE(QFileInfo::exists(home + u"/mime/packages/quorvane-mime.xml"_s));
    // A copy elsewhere, such as a build folder, still registers itself for the user.
    const QString other = executable(u"other/quorvane"_s);
    FileTypeRegistration::Register(home, other);
    EXPECT_TRUE(TempFolder::read(entry).contains(other.toUtf8()));
}

TEST_F(SystemRegistrationTest, AnOldCopysEntryGivesWayToThePackagesAndNothingElseIsTouched)
{
    writeEntry(system, u"quorvane %f"_s);
    writeMimePackage(system);
    const ScopedEnv dirs("XDG_DATA_DIRS", system.toUtf8());
    const ScopedEnv path("PATH", temp.file(u"bin"_s).toUtf8());
    const QString entry = local + u"/applications/org.quorvane.Quorvane.desktop"_s;

    // Another program's file of the same name, for another type: left as it is.
    const QString other = executable(u"other/quorvane"_s);
    writeEntry(local, other + u" %f"_s, u"MimeType=text/plain;\n"_s);
    const QByteArray theirs = TempFolder::read(entry);
    FileTypeRegistration::Register(local, program);
    EXPECT_EQ(TempFolder::read(entry), theirs);
    // Ours, for this very program: it opens the files as the package's does.
    writeEntry(local, program + u" %f"_s);
    FileTypeRegistration::Register(local, program);
    EXPECT_TRUE(QFileInfo::exists(entry));
    // Ours, left by a copy elsewhere, still there or gone: removed.
    for (const QString& copy : {other, temp.file(u"build/quorvane"_s)}) {
        writeEntry(local, u"\""_s + copy + u"\" %f"_s);
        FileTypeRegistration::Register(local, program);
        EXPECT_FALSE(QFileInfo::exists(entry)) << copy.toStdString();
    }
    // Without the package's registration the old copy's entry is only brought up to date.
    writeEntry(local, other + u" %f"_s);
    const ScopedEnv none("XDG_DATA_DIRS", temp.file(u"nowhere"_s).toUtf8());
    FileTypeRegistration::Register(local, program);
    EXPECT_TRUE(TempFolder::read(entry).contains(program.toUtf8()));
}

TEST(SystemDataDirs, StandardFoldersWhenUnset)
{
    const ScopedEnv dirs("XDG_DATA_DIRS", {});
    EXPECT_EQ(SystemDataDirs(), QStringList({u"/usr/local/share"_s, u"/usr/share"_s}));
    dirs.set("/opt/a/share::/usr/share");
    EXPECT_EQ(SystemDataDirs(), QStringList({u"/opt/a/share"_s, u"/usr/share"_s}));
}
