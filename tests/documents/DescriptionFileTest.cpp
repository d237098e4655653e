#include "DescriptionFile.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "ScriptedMessages.h"
#include "SettingsStore.h"
#include "TempFolder.h"

#include <QScopeGuard>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString NotRecognised = "The specified file is not recognised as a supported type.";

QString errorText(int number, const char* description)
{
    return QStringLiteral("An unexpected error has occurred.\r\n(Error %1 : %2)").arg(number).arg(description);
}

// The worked example, byte for byte.
const Description GardenBasics{"Garden Basics",
                               {"Grow More With Less", "A beginner's guide",
                                "Gardening is easy.\r\nThis book shows how.", "In Garden Basics you will learn:",
                                "Soil\r\nSeeds\r\nWatering", "", "Take action now.", "Order your copy today."}};
const QByteArray GardenBasicsFile =
    "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\nA beginner's guide\r\n"
    "Gardening is easy.<BR>This book shows how.\r\nIn Garden Basics you will learn:\r\n"
    "Soil<BR>Seeds<BR>Watering\r\n\r\nTake action now.\r\nOrder your copy today.\r\n";

// The open document in memory, with settings in a temporary folder and scripted message boxes.
class DescriptionFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetDocumentState();
        Document().Boxes = &m_boxes;
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }
    void TearDown() override
    {
        ResetDocumentState();
        EXPECT_TRUE(m_messages.shown().empty()) << "a message no test step expected";
    }

    // Fills the boxes as typing would, leaving the document changed.
    void type(const Description& d) { WriteDescription(m_boxes, d); }
    Description boxes() const { return ReadDescription(m_boxes); }
    static QString setting(const QString& key) { return SettingsStore::read(key, "<missing>"); }
    static QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

    // After a load or save that worked: the file is current and remembered, the document unchanged.
    static void expectCurrent(const QString& fileName, const QString& folder)
    {
        EXPECT_FALSE(Document().DocumentDirty);
        EXPECT_EQ(Document().CurrentFileName, fileName);
        EXPECT_EQ(Document().CurrentFolder, folder);
        EXPECT_EQ(setting(SettingKey::RecentFile), fileName);
        EXPECT_EQ(setting(SettingKey::CurrentDir), folder);
    }

    // Everything a failed operation must leave alone.
    using Snapshot = std::tuple<Description, QString, QString, QString, bool, QString>;
    Snapshot snapshot() const
    {
        const DocumentState& s = Document();
        return {boxes(), s.CurrentFileName, s.CurrentFolder, s.CurrentBookTitle, s.DocumentDirty,
                setting(SettingKey::RecentFile)};
    }

    // Tries to save 200 KB of changes to path, writing files of at most cap bytes (a cap stands
    // for a full disk, root included), and expects the save to fail with message and leave the
    // document, the old file and the folder (files) as they were.
    void expectSaveFails(QString path, const QString& message, const QStringList& files, rlim_t cap = RLIM_INFINITY)
    {
        Document().CurrentFileName = "current.qvn";
        Description large = GardenBasics;
        large[ClosingRemarks] = QString(200 * 1024, u'x');
        type(large);
        const Snapshot before = snapshot();
        const QByteArray old = TempFolder::read(path);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{cap, previous.rlim_max};
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
        setrlimit(RLIMIT_FSIZE, &limit);
        WriteDescriptionFile(path);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
        ASSERT_EQ(m_messages.texts(), std::vector<QString>{message});
        EXPECT_EQ(std::pair(m_messages.shown()[0].caption, m_messages.shown()[0].icon),
                  std::pair(QString("Error saving file"), MsgIcon::Exclamation));
        m_messages.clear();
        EXPECT_TRUE(Document().DocumentDirty);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(TempFolder::read(path), old);
        EXPECT_EQ(filesIn(QFileInfo(path).path()), files);
    }

    MemoryDescriptionView m_boxes;
    TempFolder m_folder;
    TempFolder m_config;
    ScriptedMessages m_messages;
};

} // namespace

TEST_F(DescriptionFileTest, LoadFillsEveryBoxAndSaveWritesTheNineLinesBack)
{
    type({"Old", {"", "", "", "", "", "old closing remarks"}});
    // Lines after the ninth are ignored, and lost on the next save.
    LoadDescriptionFile(m_folder.write("garden.qvn", GardenBasicsFile + "tenth line\r\n"));
    EXPECT_EQ(boxes(), GardenBasics);
    EXPECT_EQ(Document().CurrentBookTitle, "Garden Basics");
    expectCurrent("garden.qvn", m_folder.path());

    Document().DocumentDirty = true;
    QString path = m_folder.file("Garden Basics");
    WriteDescriptionFile(path);
    EXPECT_EQ(path, m_folder.file("Garden Basics.qvn"));
    EXPECT_EQ(TempFolder::read(path), GardenBasicsFile);
    expectCurrent("Garden Basics.qvn", m_folder.path());
    EXPECT_EQ(filesIn(m_folder.path()), (QStringList{"Garden Basics.qvn", "garden.qvn"}));
}

TEST_F(DescriptionFileTest, SaveAndLoadKeepCharactersBeyondTheCodePage)
{
    const Description d{"園芸の基本", {"  spaced  ", "", "", "", "", "中文 and € and é\r\n\r\nlast line\r\n"}};
    type(d);
    // Settings that cannot be stored cost only the recent-file offer, never the save.
    m_config.write("Quorvane", "a file where the settings folder should be");
    QString path = m_folder.file("chinese.qvn");
    WriteDescriptionFile(path);
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_EQ(Document().CurrentFileName, "chinese.qvn");
    EXPECT_TRUE(TempFolder::read(path).contains("\xE4\xB8\xAD\xE6\x96\x87")) << "stored as UTF-8";
    type({});
    LoadDescriptionFile(path);
    EXPECT_EQ(boxes(), d);
    EXPECT_EQ(Document().CurrentBookTitle, d.BookTitle);
}

TEST_F(DescriptionFileTest, AWindows1252FileLoadsRightAndSavesByteIdentical)
{
    const QByteArray original = "[[[QVN FILE]]]Caf\xE9 Cooking\r\nOnly \x80" "5!\r\nCr\xE8me br\xFBl\xE9\x85\r\n"
                                "\r\n\r\n\x93Quoted\x94\r\n\r\n\r\n\r\n";
    QString path = m_folder.write("cafe.qvn", original);
    LoadDescriptionFile(path);
    EXPECT_EQ(boxes(), (Description{"Café Cooking", {"Only €5!", "Crème brûlé…", "", "", "“Quoted”"}}));
    EXPECT_EQ(Document().CurrentBookTitle, "Café Cooking");
    WriteDescriptionFile(path);
    EXPECT_EQ(TempFolder::read(path), original);
}

// A load that fails shows its first error, then the rejection, and changes nothing.
TEST_F(DescriptionFileTest, AFileThatCannotBeLoadedLeavesTheDocumentUntouched)
{
    m_folder.write("plain", "x");
    const std::tuple<QString, QByteArray, std::vector<QString>> cases[] = {  // written first unless null
        {"missing.qvn", {}, {errorText(53, "File not found"), NotRecognised}},
        {"no such folder/x.qvn", {}, {errorText(76, "Path not found"), NotRecognised}},
        {"plain/x.qvn", {}, {errorText(76, "Path not found"), NotRecognised}},
        {".", {}, {errorText(75, "Path/File access error"), NotRecognised}},
        {"empty.qvn", "", {errorText(62, "Input past end of file"), NotRecognised}},
        {"page.html", "<html><body>hello</body></html>", {NotRecognised}},
    };
    type(GardenBasics);
    Document().CurrentFileName = "open.qvn";
    const Snapshot before = snapshot();
    for (const auto& [name, content, messages] : cases) {
        SCOPED_TRACE(name.toStdString());
        m_messages.clear();
        LoadDescriptionFile(content.isNull() ? m_folder.file(name) : m_folder.write(name, content));
        EXPECT_EQ(m_messages.texts(), messages);
        for (const MessageRequest& shown : m_messages.shown()) {
            EXPECT_EQ(shown.caption, shown.text == NotRecognised ? "Quorvane" : "Error opening file");
            EXPECT_EQ(std::pair(shown.icon, shown.buttons), std::pair(MsgIcon::Exclamation, MsgButtons::OK));
        }
        EXPECT_EQ(snapshot(), before);
    }
    m_messages.clear();
    LoadDescriptionFile("");  // no path: nothing at all, not even a message
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DescriptionFileTest, AShortFileReportsError62OnceAndStillLoads)
{
    type(GardenBasics);
    LoadDescriptionFile(m_folder.write("short.qvn", "  [[[QVN FILE]]]  Short  \r\nHeadline only\r\n"));
    EXPECT_EQ(m_messages.texts(), std::vector<QString>{errorText(62, "Input past end of file")});
    m_messages.clear();
    EXPECT_EQ(boxes(), (Description{"  Short", {"Headline only"}}));
    EXPECT_EQ(Document().CurrentBookTitle, "  Short");
    expectCurrent("short.qvn", m_folder.path());
}

TEST_F(DescriptionFileTest, RememberRecentFileSplitsAtTheLastSeparator)
{
    Document().CurrentFolder = "/kept";
    RememberRecentFile("Bare.qvn");
    expectCurrent("Bare.qvn", "/kept");
    RememberRecentFile("/Root.qvn");
    expectCurrent("Root.qvn", "");
}

// A write cut short (a file size cap stands for a full disk), a missing folder, a folder in the
// way, and a real full disk all fail without touching the old file or the document.
TEST_F(DescriptionFileTest, AFailedSaveLeavesTheOldFileAndTheDocumentIntact)
{
    expectSaveFails(m_folder.write("old.qvn", GardenBasicsFile), errorText(61, "Disk full"), {"old.qvn"}, 16 * 1024);
    QDir().mkdir(m_folder.file("folder.qvn"));
    expectSaveFails(m_folder.file("gone/book.qvn"), errorText(76, "Path not found"), {});
    expectSaveFails(m_folder.file("folder.qvn"), errorText(75, "Path/File access error"), {"old.qvn"});
    // A 64 KB tmpfs of its own, which only root can mount.
    QDir().mkdir(m_folder.file("disk"));
    const QByteArray disk = QFile::encodeName(m_folder.file("disk"));
    if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here: needs root";
    const auto unmount = qScopeGuard([&] { ::umount2(disk.constData(), MNT_DETACH); });
    expectSaveFails(m_folder.write("disk/old.qvn", GardenBasicsFile), errorText(61, "Disk full"), {"old.qvn"});
}

TEST_F(DescriptionFileTest, ASaveThroughASymbolicLinkWritesItsTargetAndKeepsItsPermissions)
{
    QDir().mkdir(m_folder.file("real"));
    const QString target = m_folder.write("real/book.qvn", "[[[QVN FILE]]]\r\n");
    ::chmod(QFile::encodeName(target).constData(), 0640);
    QString link = m_folder.file("link.qvn");
    ASSERT_TRUE(QFile::link(target, link));
    type(GardenBasics);
    WriteDescriptionFile(link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(TempFolder::read(target), GardenBasicsFile);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(filesIn(m_folder.file("real")), QStringList{"book.qvn"});
    expectCurrent("link.qvn", m_folder.path());
}
