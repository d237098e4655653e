#include "SettingsStore.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

// Each test keeps its settings in a folder of its own.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_folder.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_previous); }

    QString settingsFile() const { return m_folder.file("Quorvane/Quorvane.conf"); }
    QByteArray fileText() const { return TempFolder::read(settingsFile()); }

    TempFolder m_folder;
    QByteArray m_previous;
};

} // namespace

TEST_F(SettingsStoreTest, MissingValuesReadAsTheCallersDefault)
{
    EXPECT_EQ(SettingsStore::read(SettingKey::WindowLeft, "-1"), "-1");
    EXPECT_EQ(SettingsStore::read(SettingKey::CurrentDir), "");
    EXPECT_FALSE(QFile::exists(settingsFile())) << "reading creates nothing";
}

TEST_F(SettingsStoreTest, ValuesLiveInTheGeneralSectionOfTheUsersIniFile)
{
    ASSERT_TRUE(SettingsStore::write(SettingKey::CurrentDir, "/home/ann/books, drafts"));
    ASSERT_TRUE(SettingsStore::write(SettingKey::RecentFile, "Garden Basics.qvn"));
    const QByteArray text = fileText();
    EXPECT_TRUE(text.startsWith("[General]\n")) << text.constData();
    EXPECT_TRUE(text.contains("RecentFile=Garden Basics.qvn")) << text.constData();
    EXPECT_EQ(SettingsStore::read(SettingKey::CurrentDir), "/home/ann/books, drafts");
    EXPECT_EQ(SettingsStore::read("General", SettingKey::RecentFile, {}), "Garden Basics.qvn");

    // Text that looks like a number or a list stays text.
    ASSERT_TRUE(SettingsStore::write(SettingKey::WindowTop, "0015"));
    EXPECT_EQ(SettingsStore::read(SettingKey::WindowTop), "0015");
    ASSERT_TRUE(SettingsStore::write(SettingKey::RecentFile, "@odd name.qvn"));
    EXPECT_EQ(SettingsStore::read(SettingKey::RecentFile), "@odd name.qvn");
}

TEST_F(SettingsStoreTest, NamesCompareWithoutCaseAndWritesKeepTheStoredSpelling)
{
    ASSERT_TRUE(SettingsStore::write(SettingKey::PrePopulate, "1"));
    EXPECT_EQ(SettingsStore::read(SettingKey::Prepopulate, "0"), "1");
    ASSERT_TRUE(SettingsStore::write(SettingKey::Prepopulate, "0"));
    EXPECT_EQ(SettingsStore::read(SettingKey::PrePopulate, "1"), "0");
    EXPECT_EQ(SettingsStore::read("PREPOPULATE"), "0");
    const QByteArray text = fileText();
    EXPECT_TRUE(text.contains("PrePopulate=0")) << text.constData();
    EXPECT_FALSE(text.contains("Prepopulate")) << text.constData();
    EXPECT_EQ(SettingsStore::read("general", SettingKey::Prepopulate, {}), "0");
}

TEST_F(SettingsStoreTest, OtherSectionsAreSeparateAndFoundWithoutCase)
{
    ASSERT_TRUE(SettingsStore::write("Extra", "Key", "x"));
    EXPECT_EQ(SettingsStore::read("EXTRA", "key", {}), "x");
    EXPECT_EQ(SettingsStore::read("Key", "none"), "none");
}

TEST_F(SettingsStoreTest, AHandEditedFileIsReadAsWritten)
{
    QDir().mkpath(m_folder.file("Quorvane"));
    m_folder.write("Quorvane/Quorvane.conf", "[General]\nwindowleft=1200\nCurrentDir=/a,b\n");
    EXPECT_EQ(SettingsStore::read(SettingKey::WindowLeft, "-1"), "1200");
    EXPECT_EQ(SettingsStore::read(SettingKey::CurrentDir), "/a,b");
    ASSERT_TRUE(SettingsStore::write(SettingKey::WindowLeft, "300"));
    EXPECT_TRUE(fileText().contains("windowleft=300")) << fileText().constData();
}

TEST_F(SettingsStoreTest, AnUnwritableFolderFailsTheWrite)
{
    m_folder.write("Quorvane", "a file where the folder should be");
    EXPECT_FALSE(SettingsStore::write(SettingKey::RecentFile, "x.qvn"));
}

TEST(SettingsConversions, WindowCoordinatesAreWholeNumbers)
{
    EXPECT_EQ(SettingsStore::toWindowCoordinate("1200"), 1200);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("-1"), -1);
    EXPECT_EQ(SettingsStore::toWindowCoordinate(" 15 "), 15);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("14.6"), 15);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("14.4"), 14);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("2.5"), 2);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("3.5"), 4);
    EXPECT_EQ(SettingsStore::toWindowCoordinate(""), std::nullopt);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("abc"), std::nullopt);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("12abc"), std::nullopt);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("inf"), std::nullopt);
    EXPECT_EQ(SettingsStore::toWindowCoordinate("99999999999"), std::nullopt);
}

TEST(SettingsConversions, CheckBoxesTakeTheLeadingNumber)
{
    for (const char* ticked : {"1", "-1", " 1", "2abc", "0.5", "0 1", "+3"})
        EXPECT_TRUE(SettingsStore::toCheckBox(ticked)) << ticked;
    for (const char* cleared : {"0", "", "abc", "0abc", " 0 ", "-0", ".", "a1", "00"})
        EXPECT_FALSE(SettingsStore::toCheckBox(cleared)) << cleared;
}
