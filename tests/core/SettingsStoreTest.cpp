#include "SettingsStore.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

// Each test keeps its settings in a temporary folder of its own.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", m_folder.path().toLocal8Bit()); }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_previous); }
    QByteArray fileText() const { return TempFolder::read(m_folder.file("Quorvane/Quorvane.conf")); }

    TempFolder m_folder;
    const QByteArray m_previous = qgetenv("XDG_CONFIG_HOME");
};

} // namespace

TEST_F(SettingsStoreTest, ValuesAreTextInTheGeneralSectionAndMissingOnesReadAsTheDefault)
{
    EXPECT_EQ(SettingsStore::read(SettingKey::WindowLeft, "-1"), "-1");
    EXPECT_TRUE(fileText().isNull()) << "reading creates nothing";
    // Text that looks like a list, a number or an escape stays text.
    for (const char* value : {"/home/ann/books, drafts", "0015", "@odd name.qvn"}) {
        ASSERT_TRUE(SettingsStore::write(SettingKey::RecentFile, value));
        EXPECT_EQ(SettingsStore::read(SettingKey::RecentFile), value);
    }
    EXPECT_TRUE(fileText().startsWith("[General]\n")) << fileText().constData();
}

TEST_F(SettingsStoreTest, NamesCompareWithoutCaseAndWritesKeepTheStoredSpelling)
{
    ASSERT_TRUE(SettingsStore::write(SettingKey::PrePopulate, "1"));
    EXPECT_EQ(SettingsStore::read(SettingKey::Prepopulate, "0"), "1");
    ASSERT_TRUE(SettingsStore::write(SettingKey::Prepopulate, "0"));
    EXPECT_EQ(SettingsStore::read("general", "PREPOPULATE", {}), "0");
    EXPECT_TRUE(fileText().contains("PrePopulate=0")) << fileText().constData();
    EXPECT_FALSE(fileText().contains("Prepopulate")) << fileText().constData();

    // A hand-edited file: any spelling is found, and unquoted commas make no list.
    m_folder.write("Quorvane/Quorvane.conf", "[General]\nwindowleft=1200\nCurrentDir=/a,b\n");
    EXPECT_EQ(SettingsStore::read(SettingKey::WindowLeft, "-1"), "1200");
    EXPECT_EQ(SettingsStore::read(SettingKey::CurrentDir), "/a,b");
}

TEST(SettingsConversions, WindowCoordinatesAreWholeNumbersAndCheckBoxesTakeTheLeadingNumber)
{
    const std::pair<const char*, std::optional<int>> coordinates[] = {
        {"1200", 1200}, {"-1", -1}, {" 15 ", 15}, {"14.6", 15}, {"14.4", 14}, {"2.5", 2}, {"3.5", 4},
        {"", {}}, {"abc", {}}, {"12abc", {}}, {"inf", {}}, {"99999999999", {}}};
    for (const auto& [text, coordinate] : coordinates)
        EXPECT_EQ(SettingsStore::toWindowCoordinate(text), coordinate) << text;
    for (const char* ticked : {"1", "-1", " 1", "2abc", "0.5", "0 1", "+3"})
        EXPECT_TRUE(SettingsStore::toCheckBox(ticked)) << ticked;
    for (const char* cleared : {"0", "", "abc", "0abc", " 0 ", "-0", ".", "a1", "00"})
        EXPECT_FALSE(SettingsStore::toCheckBox(cleared)) << cleared;
}
