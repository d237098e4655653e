#include "DescriptionFileFixture.h"

TEST_F(DescriptionFileTest, SaveWritesTheGardenBasicsFileAndMakesItCurrent)
{
    type(gardenBasics());
    ASSERT_TRUE(Document().DocumentDirty);
    QString path = m_folder.file("Garden Basics");
    WriteDescriptionFile(path);

    EXPECT_EQ(path, m_folder.file("Garden Basics.qvn"));
    EXPECT_EQ(TempFolder::read(path), GardenBasicsFile);
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_EQ(Document().CurrentFileName, "Garden Basics.qvn");
    EXPECT_EQ(Document().CurrentFolder, m_folder.path());
    EXPECT_EQ(setting(SettingKey::CurrentDir), m_folder.path());
    EXPECT_EQ(setting(SettingKey::RecentFile), "Garden Basics.qvn");
    EXPECT_EQ(filesIn(m_folder.path()), QStringList{"Garden Basics.qvn"});
}

TEST_F(DescriptionFileTest, SaveKeepsAnExtensionOfAnyCaseAndAppendsToAnyOther)
{
    type(gardenBasics());
    QString upper = m_folder.file("Chapter.QVN");
    WriteDescriptionFile(upper);
    EXPECT_EQ(upper, m_folder.file("Chapter.QVN"));
    QString other = m_folder.file("notes.txt");
    WriteDescriptionFile(other);
    EXPECT_EQ(other, m_folder.file("notes.txt.qvn"));
    EXPECT_EQ(Document().CurrentFileName, "notes.txt.qvn");
    EXPECT_EQ(filesIn(m_folder.path()), (QStringList{"Chapter.QVN", "notes.txt.qvn"}));
}

TEST_F(DescriptionFileTest, LoadFillsEveryBoxAndLeavesTheDocumentClean)
{
    const QString path = m_folder.write("garden.qvn", GardenBasicsFile);
    Description before;
    before.BookTitle = "Old";
    before[ClosingRemarks] = "old closing remarks";
    type(before);
    LoadDescriptionFile(path);

    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_EQ(boxes(), gardenBasics());
    EXPECT_EQ(Document().CurrentBookTitle, "Garden Basics");
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_EQ(Document().CurrentFileName, "garden.qvn");
    EXPECT_EQ(Document().CurrentFolder, m_folder.path());
    EXPECT_EQ(setting(SettingKey::RecentFile), "garden.qvn");
    EXPECT_EQ(setting(SettingKey::CurrentDir), m_folder.path());
}

TEST_F(DescriptionFileTest, SaveAndLoadRestoreMultiLineTextAndCharactersBeyondTheCodePage)
{
    Description d = gardenBasics();
    d.BookTitle = QString::fromUtf8("園芸の基本");
    d[ClosingRemarks] = QString::fromUtf8("中文 and € and é\r\n\r\nlast line\r\n");
    d[Headline] = "  spaced  ";
    type(d);
    QString path = m_folder.file("chinese.qvn");
    WriteDescriptionFile(path);
    EXPECT_TRUE(TempFolder::read(path).contains("\xE4\xB8\xAD\xE6\x96\x87")) << "stored as UTF-8";

    type(Description{});
    LoadDescriptionFile(path);
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_EQ(boxes(), d);
    EXPECT_EQ(Document().CurrentBookTitle, d.BookTitle);
}

TEST_F(DescriptionFileTest, AWindows1252FileLoadsRightAndSavesByteIdentical)
{
    const QByteArray original = "[[[QVN FILE]]]Caf\xE9 Cooking\r\nOnly \x80" "5!\r\nCr\xE8me br\xFBl\xE9\x85\r\n"
                                "\r\n\r\n\x93Quoted\x94\r\n\r\n\r\n\r\n";
    const QString path = m_folder.write("cafe.qvn", original);
    LoadDescriptionFile(path);
    EXPECT_EQ(Document().CurrentBookTitle, QString::fromUtf8("Café Cooking"));
    EXPECT_EQ(m_boxes.boxText(Headline), QString::fromUtf8("Only €5!"));
    EXPECT_EQ(m_boxes.boxText(Subheadline), QString::fromUtf8("Crème brûlé…"));
    EXPECT_EQ(m_boxes.boxText(MainBenefits), QString::fromUtf8("“Quoted”"));

    QString again = path;
    WriteDescriptionFile(again);
    EXPECT_EQ(TempFolder::read(path), original);
}

TEST_F(DescriptionFileTest, AMissingFileReportsError53ThenTheRejectionAndChangesNothing)
{
    type(gardenBasics());
    Document().CurrentFileName = "open.qvn";
    const Snapshot before = snapshot();
    LoadDescriptionFile(m_folder.file("missing.qvn"));

    ASSERT_EQ(m_messages.shown().size(), 2u);
    EXPECT_EQ(m_messages.shown()[0].text, errorText(53, "File not found"));
    EXPECT_EQ(m_messages.shown()[0].caption, "Error opening file");
    EXPECT_EQ(m_messages.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(m_messages.shown()[0].buttons, MsgButtons::OK);
    EXPECT_EQ(m_messages.shown()[1].text, NotRecognised);
    EXPECT_EQ(m_messages.shown()[1].caption, "Quorvane");
    EXPECT_EQ(m_messages.shown()[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DescriptionFileTest, OpenFailuresMapToTheirClassicNumbers)
{
    LoadDescriptionFile(m_folder.file("no such folder/x.qvn"));
    LoadDescriptionFile(m_folder.path());
    m_folder.write("plain", "x");
    LoadDescriptionFile(m_folder.file("plain/x.qvn"));
    EXPECT_EQ(m_messages.texts(),
              (std::vector<QString>{errorText(76, "Path not found"), NotRecognised,
                                    errorText(75, "Path/File access error"), NotRecognised,
                                    errorText(76, "Path not found"), NotRecognised}));
}

TEST_F(DescriptionFileTest, AnEmptyPathDoesNothing)
{
    type(gardenBasics());
    const Snapshot before = snapshot();
    LoadDescriptionFile("");
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DescriptionFileTest, AnotherKindOfFileIsRejectedAndTheDocumentIsUntouched)
{
    type(gardenBasics());
    const Snapshot before = snapshot();
    LoadDescriptionFile(m_folder.write("lower.qvn", "[[[qvn file]]]Title\r\na\r\n"));
    LoadDescriptionFile(m_folder.write("page.html", "<html><body>hello</body></html>"));
    EXPECT_EQ(m_messages.texts(), (std::vector<QString>{NotRecognised, NotRecognised}));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DescriptionFileTest, AnEmptyFileReportsError62ThenTheRejection)
{
    type(gardenBasics());
    const Snapshot before = snapshot();
    LoadDescriptionFile(m_folder.write("empty.qvn", ""));
    EXPECT_EQ(m_messages.texts(), (std::vector<QString>{errorText(62, "Input past end of file"), NotRecognised}));
    EXPECT_EQ(m_messages.shown()[0].caption, "Error opening file");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DescriptionFileTest, AShortFileReportsError62OnceAndStillLoads)
{
    type(gardenBasics());
    const QString path = m_folder.write("short.qvn", "  [[[QVN FILE]]]  Short  \r\nHeadline only\r\n");
    LoadDescriptionFile(path);
    EXPECT_EQ(m_messages.texts(), std::vector<QString>{errorText(62, "Input past end of file")});
    Description expected;
    expected.BookTitle = "  Short";
    expected[Headline] = "Headline only";
    EXPECT_EQ(boxes(), expected);
    EXPECT_EQ(Document().CurrentBookTitle, "  Short");
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_EQ(Document().CurrentFileName, "short.qvn");
    EXPECT_EQ(setting(SettingKey::RecentFile), "short.qvn");
}

TEST_F(DescriptionFileTest, LinesAfterTheNinthAreLostOnTheNextSave)
{
    const QString path = m_folder.write("long.qvn", GardenBasicsFile + "tenth line\r\n");
    LoadDescriptionFile(path);
    EXPECT_EQ(boxes(), gardenBasics());
    QString again = path;
    WriteDescriptionFile(again);
    EXPECT_EQ(TempFolder::read(path), GardenBasicsFile);
}

TEST_F(DescriptionFileTest, RememberRecentFileSplitsAtTheLastSeparator)
{
    Document().CurrentFolder = "/kept";
    RememberRecentFile("Bare.qvn");
    EXPECT_EQ(Document().CurrentFileName, "Bare.qvn");
    EXPECT_EQ(Document().CurrentFolder, "/kept");
    EXPECT_EQ(setting(SettingKey::CurrentDir), "/kept");
    EXPECT_EQ(setting(SettingKey::RecentFile), "Bare.qvn");

    RememberRecentFile("/home/ann/My Books/Garden.qvn");
    EXPECT_EQ(Document().CurrentFileName, "Garden.qvn");
    EXPECT_EQ(Document().CurrentFolder, "/home/ann/My Books");
    EXPECT_EQ(Document().currentPath(), "/home/ann/My Books/Garden.qvn");

    RememberRecentFile("/Root.qvn");
    EXPECT_EQ(Document().CurrentFileName, "Root.qvn");
    EXPECT_EQ(Document().CurrentFolder, "");
    EXPECT_EQ(setting(SettingKey::CurrentDir), "");
}

TEST_F(DescriptionFileTest, SettingsThatCannotBeStoredDoNotStopASave)
{
    m_config.write("Quorvane", "a file where the settings folder should be");
    type(gardenBasics());
    QString path = m_folder.file("book.qvn");
    WriteDescriptionFile(path);
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_EQ(Document().CurrentFileName, "book.qvn");
    EXPECT_EQ(TempFolder::read(path), GardenBasicsFile);
}
