#include "DocumentCommands.h"
#include "DocumentDialogs.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "ModalDialogs.h"
#include "NewDescription.h"
#include "ScriptedMessages.h"
#include "SettingsStore.h"
#include "TempFolder.h"
#include "frmNew.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QString KindleStart = "Take action now. Scroll up and click the 'buy' button at the top of this page and you can read ";
const QString PrintStart =
    "Take action now. Scroll up and click the 'buy' button at the top of this page and  you will soon be reading ";

// The wizard as New shows it, over a main window, with settings of its own.
class frmNewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetDocumentState();
        m_previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        Document().Boxes = &m_boxes;
        m_mainWindow.resize(600, 400);
        m_mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_mainWindow));
        InstallDocumentDialogs(&m_mainWindow);
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
        ResetDocumentState();
    }

    // Runs New and lets the person act on the wizard once it is up.
    void runNew(std::function<void(frmNew*)> person)
    {
        bool shown = false;
        WhenModalShows<frmNew>([&](frmNew* wizard) {
            shown = true;
            ASSERT_TRUE(QTest::qWaitForWindowActive(wizard));
            person(wizard);
            // Whatever the person did, the wizard must close (an access key clicks a moment later).
            waitUntil([wizard] { return !wizard->isVisible(); });
            if (wizard->isVisible()) {
                ADD_FAILURE() << "the wizard is still open";
                wizard->reject();
            }
        });
        NewDescription();
        ASSERT_TRUE(shown);
    }

    template <typename T>
    static T* child(frmNew* wizard, const char* name)
    {
        T* widget = wizard->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static void waitUntil(const std::function<bool()>& condition)
    {
        for (int i = 0; i < 100 && !condition(); ++i)
            QTest::qWait(10);
    }

    static QString setting(const QString& key) { return SettingsStore::read(key, "<missing>"); }

    QWidget m_mainWindow;
    MemoryDescriptionView m_boxes;
    TempFolder m_config;
    ScriptedMessages m_messages;
    QByteArray m_previousConfig;
};
} // namespace

TEST_F(frmNewTest, ItOpensOverTheMainWindowWithItsTextsAndTheStoredChoices)
{
    SettingsStore::write(SettingKey::UseTitleAsHeading, "1");
    SettingsStore::write("PREPOPULATE", "7 days");  // any spelling, read as a number
    runNew([&](frmNew* wizard) {
        EXPECT_EQ(wizard->windowTitle(), "Start New Description");
        EXPECT_EQ(wizard->parentWidget(), &m_mainWindow);
        EXPECT_TRUE(wizard->isModal());
        EXPECT_EQ(wizard->focusWidget(), child<QLineEdit>(wizard, "txtTitle"));
        EXPECT_TRUE(child<QCheckBox>(wizard, "chkUseTitle")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(wizard, "chkPrePopulate")->isChecked());
        auto* ok = child<QPushButton>(wizard, "cmdOK");
        EXPECT_EQ(ok->text(), "&OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_EQ(child<QPushButton>(wizard, "cmdCancel")->text(), "Cancel");
        EXPECT_EQ(child<QCheckBox>(wizard, "chkUseTitle")->text(),
                  "&Use my book title as the main headline at the start of my description");
        EXPECT_EQ(child<QCheckBox>(wizard, "chkPrePopulate")->text(), "&Pre-populate my description using default text");
        QStringList labels;
        for (const QLabel* label : wizard->findChildren<QLabel*>())
            labels << label->text();
        EXPECT_TRUE(labels.contains("Please enter the name of your book and choose from the options below."));
        EXPECT_TRUE(labels.contains("&The title of your book:"));
        EXPECT_TRUE(labels.contains("When you are ready to continue, click 'OK'. If you do not want to start a new "
                                    "description at this time, click 'Cancel'."));
        QTest::keyClick(wizard, Qt::Key_Escape);
    });
}

TEST_F(frmNewTest, OKIsEnabledExactlyWhileTheTitleHoldsMoreThanBlanks)
{
    runNew([&](frmNew* wizard) {
        auto* title = child<QLineEdit>(wizard, "txtTitle");
        auto* ok = child<QPushButton>(wizard, "cmdOK");
        QTest::keyClicks(title, "   ");
        EXPECT_FALSE(ok->isEnabled());
        QTest::keyClick(title, Qt::Key_Return);
        EXPECT_TRUE(wizard->isVisible());
        QTest::keyClicks(title, "A");
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(title, Qt::Key_Backspace);
        EXPECT_FALSE(ok->isEnabled());
        QTest::mouseClick(child<QPushButton>(wizard, "cmdCancel"), Qt::LeftButton);
    });
    EXPECT_TRUE(Document().CurrentBookTitle.isEmpty());
    EXPECT_FALSE(Document().DocumentDirty);
    // Each New brings a fresh wizard.
    runNew([&](frmNew* wizard) {
        EXPECT_TRUE(child<QLineEdit>(wizard, "txtTitle")->text().isEmpty());
        QTest::keyClick(wizard, Qt::Key_Escape);
    });
}

TEST_F(frmNewTest, OKWithBothChoicesStartsTheDescriptionFromTheTrimmedTitle)
{
    m_boxes.setBoxText(MainBenefits, "left over");
    m_boxes.setBoxText(BookTitleBox, "Old Book");
    Document().CurrentFileName = "Old.qvn";
    Document().CurrentFolder = "/home/ann/books";
    Document().DocumentDirty = false;
    runNew([&](frmNew* wizard) {
        QTest::keyClicks(child<QLineEdit>(wizard, "txtTitle"), "  Garden Basics  ");
        QTest::mouseClick(child<QCheckBox>(wizard, "chkUseTitle"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>(wizard, "chkPrePopulate"), Qt::LeftButton);
        QTest::keyClick(child<QLineEdit>(wizard, "txtTitle"), Qt::Key_Return);
    });
    Description expected;
    expected.BookTitle = "Garden Basics";
    expected[Headline] = "Garden Basics";
    expected[BenefitsHeadline] = "In Garden Basics you will learn:";
    expected[KindleCallToAction] = KindleStart + "Garden Basics on your Kindle device, computer, tablet or smartphone.";
    expected[CreateSpaceCallToAction] = PrintStart + "Garden Basics.";
    EXPECT_EQ(m_boxes.description(), expected);
    EXPECT_EQ(Document().CurrentBookTitle, "Garden Basics");
    EXPECT_TRUE(Document().CurrentFileName.isEmpty());
    EXPECT_EQ(Document().CurrentFolder, "/home/ann/books");
    EXPECT_TRUE(Document().DocumentDirty);
    EXPECT_EQ(setting(SettingKey::UseTitleAsHeading), "1");
    EXPECT_EQ(setting(SettingKey::PrePopulate), "1");
}

TEST_F(frmNewTest, OKWithNeitherChoiceFillsOnlyTheTitleAndMarksTheDocumentUnsaved)
{
    SettingsStore::write(SettingKey::UseTitleAsHeading, "1");
    SettingsStore::write(SettingKey::PrePopulate, "1");
    runNew([&](frmNew* wizard) {
        // The access keys: Alt+U and Alt+P toggle the choices, Alt+T goes to the title, Alt+O is OK.
        auto* useTitle = child<QCheckBox>(wizard, "chkUseTitle");
        auto* prePopulate = child<QCheckBox>(wizard, "chkPrePopulate");
        QTest::keyClick(wizard, Qt::Key_U, Qt::AltModifier);
        QTest::keyClick(wizard, Qt::Key_P, Qt::AltModifier);
        waitUntil([&] { return !useTitle->isChecked() && !prePopulate->isChecked(); });
        EXPECT_FALSE(useTitle->isChecked() || prePopulate->isChecked());
        EXPECT_FALSE(child<QLineEdit>(wizard, "txtTitle")->hasFocus());
        QTest::keyClick(wizard, Qt::Key_T, Qt::AltModifier);
        EXPECT_TRUE(child<QLineEdit>(wizard, "txtTitle")->hasFocus());
        QTest::keyClicks(wizard->focusWidget(), "Plain");
        QTest::keyClick(wizard, Qt::Key_O, Qt::AltModifier);
    });
    Description expected;
    expected.BookTitle = "Plain";
    EXPECT_EQ(m_boxes.description(), expected);
    EXPECT_TRUE(Document().DocumentDirty);
    EXPECT_EQ(setting(SettingKey::UseTitleAsHeading), "0");
    EXPECT_EQ(setting(SettingKey::PrePopulate), "0");
}

TEST_F(frmNewTest, CancelAndTheCloseBoxLeaveTheDescriptionButStoreTheChoices)
{
    m_boxes.setBoxText(Headline, "Kept");
    Document().DocumentDirty = false;
    runNew([&](frmNew* wizard) {
        QTest::keyClicks(child<QLineEdit>(wizard, "txtTitle"), "Never used");
        QTest::mouseClick(child<QCheckBox>(wizard, "chkPrePopulate"), Qt::LeftButton);
        QTest::keyClick(wizard, Qt::Key_Escape);
    });
    EXPECT_EQ(m_boxes.boxText(Headline), "Kept");
    EXPECT_TRUE(m_boxes.boxText(BookTitleBox).isEmpty());
    EXPECT_TRUE(Document().CurrentBookTitle.isEmpty());
    EXPECT_FALSE(Document().DocumentDirty);
    // Written under the wizard's own spellings.
    const QByteArray ini = TempFolder::read(m_config.file("Quorvane/Quorvane.conf"));
    EXPECT_TRUE(ini.contains("PrePopulate=1")) << ini.constData();
    EXPECT_TRUE(ini.contains("UseTitleAsHeading=0")) << ini.constData();

    runNew([&](frmNew* wizard) {
        QTest::mouseClick(child<QCheckBox>(wizard, "chkUseTitle"), Qt::LeftButton);
        wizard->close();
    });
    EXPECT_EQ(setting(SettingKey::UseTitleAsHeading), "1");
    EXPECT_EQ(setting(SettingKey::PrePopulate), "1");
    EXPECT_EQ(m_boxes.boxText(Headline), "Kept");
}
