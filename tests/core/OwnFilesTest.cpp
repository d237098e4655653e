// The program's own files and folders, when something else has been put in their place (the
// folders' users test links by the names they use).
#include "OwnFiles.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
using namespace OwnFiles;

// A folder of the user's with a file in it, outside the program's folders.
QString usersFolder(const TempFolder& temp)
{
    QDir(temp.path()).mkpath(QStringLiteral("user"));
    temp.write(QStringLiteral("user/keep.txt"), "mine");
    return temp.file(QStringLiteral("user"));
}
} // namespace

TEST(OwnFiles, ARealFolderGoesWithItsContentButALinkInsideItIsNotFollowed)
{
    TempFolder temp;
    const QString user = usersFolder(temp);
    const QString folder = temp.file(QStringLiteral("installer-abcdef"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inner")));
    temp.write(QStringLiteral("installer-abcdef/inner/setup"), "x");
    ASSERT_TRUE(QFile::link(user, folder + QStringLiteral("/inner/way-out")));
    EXPECT_EQ(KindOf(folder), Kind::Folder);
    EXPECT_TRUE(Remove(folder));
    EXPECT_EQ(KindOf(folder), Kind::Missing);
    EXPECT_EQ(TempFolder::read(user + QStringLiteral("/keep.txt")), "mine");
}

TEST(OwnFiles, OnlyARegularFileWithinItsSizeIsRead)
{
    TempFolder temp;
    const QString file = temp.write(QStringLiteral("cached"), "12345");
    EXPECT_EQ(Read(file, 5).bytes, "12345");
    EXPECT_TRUE(Read(file, 5).ok());
    EXPECT_FALSE(Read(file, 4).ok());
    EXPECT_TRUE(Read(file, 4).bytes.isEmpty());

    const ReadResult missing = Read(temp.file(QStringLiteral("none")), 5);
    EXPECT_TRUE(missing.missing);
    EXPECT_TRUE(missing.fault.isEmpty());

    // A FIFO with no writer: refused at once rather than waited on.
    const QString fifo = temp.file(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(Read(fifo, 5).ok());
    EXPECT_FALSE(Read(fifo, 5).fault.isEmpty());
    EXPECT_FALSE(Read(QStringLiteral("/dev/zero"), 5).ok());
    EXPECT_FALSE(Read(temp.path(), 5).ok());

    // A link is refused unless links are followed, and then only to a regular file.
    const QString toFile = temp.file(QStringLiteral("to-file"));
    const QString toZero = temp.file(QStringLiteral("to-zero"));
    ASSERT_TRUE(QFile::link(file, toFile));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), toZero));
    EXPECT_FALSE(Read(toFile, 5).ok());
    EXPECT_EQ(Read(toFile, 5, Links::Follow).bytes, "12345");
    EXPECT_FALSE(Read(toZero, 5, Links::Follow).ok());
}
