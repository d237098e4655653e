// Files that are not plain description files, files at and past the size limit, links that
// lead nowhere, and saves whose last step fails.
#include "BoundedRead.h"
#include "DescriptionFile.h"
#include "DescriptionFileFormat.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The commit of a save, failed on demand: QSaveFile moves its temporary file over the
// old one with rename() after flushing it with fdatasync().
namespace {
int failRenameWith = 0;
int failDataSyncWith = 0;

template <typename Function, typename... Args>
int failOrCall(int failWith, const char* name, Args... args)
{
    if (failWith != 0) {
        errno = failWith;
        return -1;
    }
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name))(args...);
}
} // namespace

extern "C" int rename(const char* from, const char* to)
{
    return failOrCall<int(const char*, const char*)>(failRenameWith, "rename", from, to);
}
extern "C" int fdatasync(int fd) { return failOrCall<int(int)>(failDataSyncWith, "fdatasync", fd); }

namespace {

const QString NotRecognised = "The specified file is not recognised as a supported type.";
const QString AccessError = "An unexpected error has occurred.\r\n(Error 75 : Path/File access error)";
const QByteArray SmallFile = "[[[QVN FILE]]]Small\r\nHeadline\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
constexpr qint64 Limit = DescriptionFileFormat::MaxFileBytes;

// A description file of exactly size bytes whose opening remarks fill what the rest leaves.
QByteArray fileOfSize(qint64 size)
{
    QByteArray bytes = "[[[QVN FILE]]]Big\r\n\r\n\r\n";
    const QByteArray tail = "\r\n\r\n\r\n\r\n\r\n\r\n";
    bytes += QByteArray(size - bytes.size() - tail.size(), 'x');
    return bytes + tail;
}

class UnusualFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetDocumentState();
        Document().Boxes = &m_boxes;
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        WriteDescription(m_boxes, m_typed);
        Document().CurrentFileName = "open.qvn";
        // A load that would block fails the test instead of hanging it.
        ::alarm(120);
    }
    void TearDown() override
    {
        ::alarm(0);
        failRenameWith = failDataSyncWith = 0;
        ResetDocumentState();
    }

    using Snapshot = std::tuple<Description, QString, QString, bool>;
    static Snapshot snapshot()
    {
        const DocumentState& s = Document();
        return {ReadDescription(*s.Boxes), s.CurrentFileName, s.CurrentBookTitle, s.DocumentDirty};
    }

    // Loading path is refused with exactly messages and leaves the open document alone.
    void expectRefused(const QString& path, const std::vector<QString>& messages)
    {
        SCOPED_TRACE(path.toStdString());
        const Snapshot before = snapshot();
        m_messages.clear();
        LoadDescriptionFile(path);
        EXPECT_EQ(m_messages.texts(), messages);
        for (const MessageRequest& shown : m_messages.shown())
            EXPECT_EQ(shown.caption, shown.text == NotRecognised ? "Quorvane" : "Error opening file");
        EXPECT_EQ(snapshot(), before);
        m_messages.clear();
    }

    void saveSucceeds(const QString& path)
    {
        QString written = path;
        WriteDescriptionFile(written);
        EXPECT_TRUE(m_messages.texts().empty());
        EXPECT_FALSE(Document().DocumentDirty);
    }

    // Saving to path fails with message, keeps the typed text unsaved and the old file as it was.
    void expectSaveFails(const QString& path, const QString& message)
    {
        SCOPED_TRACE(path.toStdString());
        const QByteArray old = TempFolder::read(path);
        const QStringList files = QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
        Document().DocumentDirty = true;
        const Snapshot before = snapshot();
        m_messages.clear();
        QString written = path;
        WriteDescriptionFile(written);
        ASSERT_EQ(m_messages.texts(), std::vector<QString>{message});
        EXPECT_EQ(m_messages.shown()[0].caption, "Error saving file");
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(TempFolder::read(path), old);
        EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), files)
            << "no temporary file left behind";
        m_messages.clear();
    }

    const Description m_typed{"Typed", {"Typed headline", "", "Typed\r\nremarks"}};
    MemoryDescriptionView m_boxes;
    TempFolder m_folder;
    TempFolder m_config;
    ScriptedMessages m_messages;
};

} // namespace

// Nothing but a regular file is read; the rest fail at once as an access error.
TEST_F(UnusualFilesTest, AFifoADeviceASocketAndAPipeAreRefusedWithoutWaiting)
{
    const QString fifo = m_folder.file("fifo.qvn");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    expectRefused(fifo, {AccessError, NotRecognised});

    expectRefused("/dev/null", {AccessError, NotRecognised});

    const QString socketPath = m_folder.file("socket.qvn");
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(socketPath);
    ASSERT_LT(encoded.size(), qsizetype(sizeof address.sun_path));
    std::memcpy(address.sun_path, encoded.constData(), static_cast<size_t>(encoded.size()));
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    expectRefused(socketPath, {AccessError, NotRecognised});
    ::close(listening);

    // A pipe whose writer never stops: full of a valid description, and more to come.
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_NONBLOCK), 0);
    QByteArray endless = SmallFile;
    while (::write(ends[1], endless.constData(), static_cast<size_t>(endless.size())) > 0)
        endless = "more ";
    expectRefused(QStringLiteral("/proc/self/fd/%1").arg(ends[0]), {AccessError, NotRecognised});
    ::close(ends[0]);
    ::close(ends[1]);

    expectRefused(m_folder.path(), {AccessError, NotRecognised});
    // An ordinary file still loads.
    LoadDescriptionFile(m_folder.write("small.qvn", SmallFile));
    EXPECT_TRUE(m_messages.texts().empty());
    EXPECT_EQ(ReadDescription(m_boxes), (Description{"Small", {"Headline"}}));
}

TEST_F(UnusualFilesTest, AFileAtTheLimitLoadsAndOneByteMoreIsRefusedUnread)
{
    const QString atLimit = m_folder.write("at.qvn", fileOfSize(Limit));
    const QString over = m_folder.write("over.qvn", fileOfSize(Limit + 1));
    const QString tooBig = QStringLiteral("%1 is larger than 64 MB (67,108,864 bytes), the largest description file "
                                          "that can be opened.").arg(over);
    expectRefused(over, {tooBig});
    // Refused by its size alone: a sparse file of a terabyte would take long to read.
    const QString huge = m_folder.write("huge.qvn", SmallFile);
    ASSERT_EQ(::truncate(QFile::encodeName(huge).constData(), qint64(1) << 40), 0);
    expectRefused(huge, {QString(tooBig).replace(over, huge)});

    LoadDescriptionFile(atLimit);
    EXPECT_TRUE(m_messages.texts().empty());
    EXPECT_EQ(m_boxes.boxText(OpeningRemarks).size(), Limit - fileOfSize(0).size());
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_EQ(Document().CurrentFileName, "at.qvn");
}

// A file that grew past the limit after its size was looked at: the read goes one byte past
// the limit and so sees it, instead of taking what it got for the whole file.
TEST(BoundedRead, ReadsOneBytePastItsLimitToSeeAFileThatGrew)
{
    TempFolder folder;
    for (const qsizetype size : {9, 10, 11, 20}) {
        SCOPED_TRACE(size);
        const QString path = folder.write(QStringLiteral("grown"), QByteArray(size, 'x'));
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        QByteArray bytes;
        EXPECT_EQ(ReadBounded(fd, 5, 10, bytes), 0);
        ::close(fd);
        EXPECT_EQ(bytes.size(), std::min<qsizetype>(size, 11));
    }
}

TEST_F(UnusualFilesTest, ADescriptionTooLargeToSaveKeepsTheOldFileAndTheTypedText)
{
    const QString path = m_folder.write("old.qvn", SmallFile);
    // With an empty title the file holds 32 bytes besides the opening remarks.
    Description big{"", {"", "", QString(Limit - 32 + 1, u'y')}};
    WriteDescription(m_boxes, big);
    expectSaveFails(path, QStringLiteral("The description is too large to save: its file would be larger than 64 MB "
                                         "(67,108,864 bytes), the largest description file allowed.\r\n"
                                         "%1 has not been changed.").arg(path));

    big[OpeningRemarks].chop(1);
    WriteDescription(m_boxes, big);
    saveSucceeds(path);
    EXPECT_EQ(QFileInfo(path).size(), Limit);
}

TEST_F(UnusualFilesTest, ALinkLoopIsAnAccessErrorOnLoadAndSaveAndStaysALoop)
{
    const QString a = m_folder.file("a.qvn");
    const QString b = m_folder.file("b.qvn");
    ASSERT_TRUE(QFile::link(b, a));
    ASSERT_TRUE(QFile::link(a, b));
    expectRefused(a, {AccessError, NotRecognised});
    expectSaveFails(a, AccessError);
    EXPECT_EQ(QFileInfo(a).symLinkTarget(), b);
    EXPECT_EQ(QFileInfo(b).symLinkTarget(), a);
}

// The last step of a save, the flush or the move over the old file, fails like any other.
TEST_F(UnusualFilesTest, ASaveWhoseCommitFailsStaysUnsavedAndKeepsTheOldFile)
{
    const QString path = m_folder.write("old.qvn", SmallFile);
    for (auto [failing, error, message] : {std::tuple{&failDataSyncWith, EIO, "(Error 57 : Device I/O error)"},
                                           std::tuple{&failRenameWith, EACCES, "(Error 70 : Permission denied)"}}) {
        *failing = error;
        expectSaveFails(path, QStringLiteral("An unexpected error has occurred.\r\n") + QLatin1String(message));
        *failing = 0;
    }
    saveSucceeds(path);
    EXPECT_NE(TempFolder::read(path), SmallFile);
}
