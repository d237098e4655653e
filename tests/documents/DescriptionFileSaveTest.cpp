#include "DescriptionFileFixture.h"
#include "WholeFile.h"

#include <csignal>
#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A description of about the given size, so that a write cannot finish in one block.
Description largeDescription(qsizetype bytes)
{
    Description d = gardenBasics();
    d[ClosingRemarks] = QString(bytes, QLatin1Char('x'));
    return d;
}

// Caps the size of any file this process writes, as a full disk would; root included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);  // the failing write returns EFBIG instead
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_previous{};
    void (*m_signal)(int);
};

// A small tmpfs of its own, which only root can mount.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder) : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=256k") == 0;
        m_error = errno;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString why() const { return QString::fromLocal8Bit(strerror(m_error)); }

    // Takes every free block, then gives back `spare` bytes.
    bool fillLeaving(off_t spare)
    {
        const int fd = ::open(QFile::encodeName(m_folder + "/filler").constData(), O_WRONLY | O_CREAT, 0644);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'f');
        off_t size = 0;
        for (ssize_t n; (n = ::write(fd, block.constData(), block.size())) > 0;)
            size += n;
        const bool full = errno == ENOSPC && ::ftruncate(fd, size > spare ? size - spare : 0) == 0;
        ::close(fd);
        return full;
    }

private:
    QString m_folder;
    bool m_mounted = false;
    int m_error = 0;
};

class DescriptionFileSaveTest : public DescriptionFileTest {
protected:
    // A saved current file, then an existing old file that the next save will try to replace.
    QString prepareOldFile(const QString& folder)
    {
        type(gardenBasics());
        QString current = m_folder.file("current.qvn");
        WriteDescriptionFile(current);
        const QString old = folder + "/old.qvn";
        QFile file(old);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(m_oldBytes);
        file.close();
        type(largeDescription(200 * 1024));
        m_before = snapshot();
        EXPECT_TRUE(m_before.dirty);
        return old;
    }

    // After a failed save: the message, the old file as it was, and no other trace.
    void expectFailedSave(const QString& old, const QString& message)
    {
        ASSERT_EQ(m_messages.shown().size(), 1u);
        EXPECT_EQ(m_messages.shown()[0].text, message);
        EXPECT_EQ(m_messages.shown()[0].caption, "Error saving file");
        EXPECT_EQ(m_messages.shown()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(TempFolder::read(old), m_oldBytes);
        EXPECT_EQ(snapshot(), m_before) << "still changed, still the earlier current file";
        EXPECT_EQ(setting(SettingKey::RecentFile), "current.qvn");
    }

    const QByteArray m_oldBytes = "[[[QVN FILE]]]Old\r\nold\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    Snapshot m_before;
};

} // namespace

TEST_F(DescriptionFileSaveTest, AWriteThatFailsHalfwayLeavesTheOldFileIntact)
{
    const QString old = prepareOldFile(m_folder.path());
    {
        const FileSizeLimit limit(16 * 1024);
        QString path = old;
        WriteDescriptionFile(path);
    }
    expectFailedSave(old, errorText(61, "Disk full"));
    EXPECT_EQ(filesIn(m_folder.path()), (QStringList{"current.qvn", "old.qvn"})) << "no temporary file left";
}

TEST_F(DescriptionFileSaveTest, AFullDiskIsReportedAsDiskFullAndLeavesTheOldFileIntact)
{
    const QString diskFolder = m_folder.file("disk");
    SmallDisk disk(diskFolder);
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << disk.why().toStdString() << "); needs root";
    const QString old = prepareOldFile(diskFolder);
    ASSERT_TRUE(disk.fillLeaving(16 * 1024));
    QString path = old;
    WriteDescriptionFile(path);
    expectFailedSave(old, errorText(61, "Disk full"));
    EXPECT_EQ(filesIn(diskFolder), (QStringList{"filler", "old.qvn"})) << "no temporary file left";
}

TEST_F(DescriptionFileSaveTest, AMissingFolderIsReportedAndNothingIsCreated)
{
    type(gardenBasics());
    const Snapshot before = snapshot();
    QString path = m_folder.file("gone/book.qvn");
    WriteDescriptionFile(path);
    EXPECT_EQ(m_messages.texts(), std::vector<QString>{errorText(76, "Path not found")});
    EXPECT_EQ(m_messages.shown()[0].caption, "Error saving file");
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(QFileInfo::exists(m_folder.file("gone")));

    QDir().mkdir(m_folder.file("folder.qvn"));
    QString folder = m_folder.file("folder.qvn");
    WriteDescriptionFile(folder);
    EXPECT_EQ(m_messages.texts().back(), errorText(75, "Path/File access error"));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DescriptionFileSaveTest, AFolderWithoutWritePermissionIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder";
    const QString locked = m_folder.file("locked");
    QDir().mkdir(locked);
    const QString old = prepareOldFile(locked);
    ::chmod(QFile::encodeName(locked).constData(), 0555);
    QString path = old;
    WriteDescriptionFile(path);
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    expectFailedSave(old, errorText(70, "Permission denied"));
    EXPECT_EQ(filesIn(locked), QStringList{"old.qvn"});
}

TEST_F(DescriptionFileSaveTest, ASaveKeepsTheFilesPermissions)
{
    const QString path = m_folder.write("private.qvn", "[[[QVN FILE]]]\r\n");
    ::chmod(QFile::encodeName(path).constData(), 0640);
    type(gardenBasics());
    QString target = path;
    WriteDescriptionFile(target);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(TempFolder::read(path), GardenBasicsFile);
}

TEST_F(DescriptionFileSaveTest, ASaveThroughASymbolicLinkWritesTheFileItPointsTo)
{
    QDir().mkdir(m_folder.file("real"));
    const QString target = m_folder.write("real/book.qvn", "[[[QVN FILE]]]\r\n");
    const QString link = m_folder.file("link.qvn");
    ASSERT_TRUE(QFile::link(target, link));
    type(gardenBasics());
    QString path = link;
    WriteDescriptionFile(path);
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(TempFolder::read(target), GardenBasicsFile);
    EXPECT_EQ(Document().CurrentFileName, "link.qvn");
    EXPECT_EQ(filesIn(m_folder.file("real")), QStringList{"book.qvn"});
}

TEST(WholeFileErrors, SystemErrorsMapToClassicNumbers)
{
    TempFolder folder;
    const QString inFolder = folder.file("x.qvn");
    EXPECT_EQ(WholeFile::errorNumber(ENOENT, WholeFile::Step::Open, inFolder), 53);
    EXPECT_EQ(WholeFile::errorNumber(ENOENT, WholeFile::Step::Open, folder.file("none/x.qvn")), 76);
    EXPECT_EQ(WholeFile::errorNumber(ENOTDIR, WholeFile::Step::Open, inFolder), 76);
    EXPECT_EQ(WholeFile::errorNumber(EACCES, WholeFile::Step::Open, inFolder), 70);
    EXPECT_EQ(WholeFile::errorNumber(EPERM, WholeFile::Step::Open, inFolder), 70);
    EXPECT_EQ(WholeFile::errorNumber(EISDIR, WholeFile::Step::Open, inFolder), 75);
    EXPECT_EQ(WholeFile::errorNumber(ENOSPC, WholeFile::Step::Transfer, inFolder), 61);
    EXPECT_EQ(WholeFile::errorNumber(EDQUOT, WholeFile::Step::Transfer, inFolder), 61);
    EXPECT_EQ(WholeFile::errorNumber(EIO, WholeFile::Step::Transfer, inFolder), 57);
    EXPECT_EQ(WholeFile::errorNumber(EBADF, WholeFile::Step::Transfer, inFolder), 57);
    EXPECT_EQ(WholeFile::errorNumber(ELOOP, WholeFile::Step::Open, inFolder), 75);
}
