#include "DocumentCommands.h"
#include "DocumentDialogs.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "ModalDialogs.h"
#include "ScriptedMessages.h"
#include "SettingsStore.h"
#include "TempFolder.h"
#include "frmNew.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QString SettingsFile =
    QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Quorvane/Quorvane.conf";

// The wizard's parts, as a person finds them.
struct Wizard {
    frmNew* window;
    QLineEdit* title;
    QCheckBox* useTitle;
    QCheckBox* prePopulate;
    QPushButton* ok;
};

// New on a clean document, showing the real wizard over a main window; no settings yet.
class frmNewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(SettingsFile);
        ResetDocumentState();
        Document().Boxes = &m_boxes;
        m_mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_mainWindow));
        InstallDocumentDialogs(&m_mainWindow);
    }
    void TearDown() override { ResetDocumentState(); }

    // Runs New; the person acts on the wizard once it is up, and then it must close
    // (an access key clicks a moment later).
    void runNew(const std::function<void(const Wizard&)>& person)
    {
        bool shown = false;
        const auto watch = OnNextModal<frmNew>([&](frmNew* w) {
            shown = QTest::qWaitForWindowActive(w);
            person({w, w->findChild<QLineEdit*>("txtTitle"), w->findChild<QCheckBox*>("chkUseTitle"),
                    w->findChild<QCheckBox*>("chkPrePopulate"), w->findChild<QPushButton*>("cmdOK")});
            if (!QTest::qWaitFor([w] { return !w->isVisible(); }, 1000)) {
                ADD_FAILURE() << "the wizard is still open";
                w->reject();
            }
        });
        NewDescription();
        EXPECT_TRUE(shown);
    }

    QWidget m_mainWindow;
    MemoryDescriptionView m_boxes;
    ScriptedMessages m_messages;  // New on a clean document asks nothing
};
} // namespace

TEST_F(frmNewTest, OKWaitsForATitleAndEveryCloseStoresTheChoices)
{
    m_boxes.setBoxText(Headline, "Kept");
    Document().DocumentDirty = false;
    runNew([&](const Wizard& w) {
        EXPECT_EQ(w.window->windowTitle(), "Start New Description");
        EXPECT_EQ(w.window->parentWidget(), &m_mainWindow);
        QStringList texts;
        for (const QLabel* label : w.window->findChildren<QLabel*>())
            texts << label->text();
        for (const QAbstractButton* button : w.window->findChildren<QAbstractButton*>())
            texts << button->text();
        texts.sort();
        EXPECT_EQ(texts, QStringList({"&OK", "&Pre-populate my description using default text", "&The title of your book:",
                                      "&Use my book title as the main headline at the start of my description", "Cancel",
                                      "Please enter the name of your book and choose from the options below.",
                                      "When you are ready to continue, click 'OK'. If you do not want to start a new "
                                      "description at this time, click 'Cancel'."}));
        EXPECT_EQ(w.window->focusWidget(), w.title);
        EXPECT_TRUE(w.ok->isDefault() && !w.ok->isEnabled());
        EXPECT_FALSE(w.useTitle->isChecked() || w.prePopulate->isChecked());
        QTest::keyClicks(w.title, "   ");
        EXPECT_FALSE(w.ok->isEnabled());
        QTest::keyClick(w.title, Qt::Key_Return);
        EXPECT_TRUE(w.window->isVisible());
        QTest::keyClicks(w.title, "A");
        EXPECT_TRUE(w.ok->isEnabled());
        QTest::keyClick(w.title, Qt::Key_Backspace);
        EXPECT_FALSE(w.ok->isEnabled());
        QTest::keyClicks(w.title, "Never used");
        QTest::mouseClick(w.prePopulate, Qt::LeftButton);
        QTest::mouseClick(w.window->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    // Cancelled: the description stays, the choices are stored under the wizard's own spellings.
    EXPECT_EQ(m_boxes.boxText(Headline), "Kept");
    EXPECT_TRUE(Document().CurrentBookTitle.isEmpty());
    EXPECT_FALSE(Document().DocumentDirty);
    const QByteArray ini = TempFolder::read(SettingsFile);
    EXPECT_TRUE(ini.contains("PrePopulate=1") && ini.contains("UseTitleAsHeading=0")) << ini.constData();

    // A fresh wizard with the stored choices; the close box stores them too, and Esc closes it.
    runNew([](const Wizard& w) {
        EXPECT_TRUE(w.title->text().isEmpty());
        EXPECT_TRUE(!w.useTitle->isChecked() && w.prePopulate->isChecked());
        QTest::mouseClick(w.useTitle, Qt::LeftButton);
        w.window->close();
    });
    runNew([](const Wizard& w) { QTest::keyClick(w.window, Qt::Key_Escape); });
    // Alt+U and Alt+P untick both, Alt+T goes to the title, Alt+O is OK: only the title is filled.
    runNew([](const Wizard& w) {
        EXPECT_TRUE(w.useTitle->isChecked() && w.prePopulate->isChecked());
        QTest::keyClick(w.window, Qt::Key_U, Qt::AltModifier);
        QTest::keyClick(w.window, Qt::Key_P, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.useTitle->isChecked() && !w.prePopulate->isChecked(); }, 1000));
        QTest::keyClick(w.window, Qt::Key_T, Qt::AltModifier);
        EXPECT_EQ(w.window->focusWidget(), w.title);
        QTest::keyClicks(w.title, "Plain");
        QTest::keyClick(w.window, Qt::Key_O, Qt::AltModifier);
    });
    EXPECT_EQ(m_boxes.description(), (Description{"Plain", {}}));
    EXPECT_TRUE(Document().DocumentDirty);
    EXPECT_EQ(SettingsStore::read(SettingKey::UseTitleAsHeading) + SettingsStore::read(SettingKey::PrePopulate), "00");
}

TEST_F(frmNewTest, OKWithBothChoicesStartsTheDescriptionFromTheTrimmedTitle)
{
    m_boxes.setBoxText(MainBenefits, "left over");
    Document().CurrentFileName = "Old.qvn";
    Document().CurrentFolder = "/home/ann/books";
    Document().DocumentDirty = false;
    runNew([](const Wizard& w) {
        QTest::keyClicks(w.title, "  Garden Basics  ");
        QTest::mouseClick(w.useTitle, Qt::LeftButton);
        QTest::mouseClick(w.prePopulate, Qt::LeftButton);
        QTest::keyClick(w.title, Qt::Key_Return);
    });
    const QString takeAction = "Take action now. Scroll up and click the 'buy' button at the top of this page and ";
    EXPECT_EQ(m_boxes.description(),
              (Description{"Garden Basics",
                           {"Garden Basics", "", "", "In Garden Basics you will learn:", "", "",
                            takeAction + "you can read Garden Basics on your Kindle device, computer, tablet or smartphone.",
                            takeAction + " you will soon be reading Garden Basics."}}));
    EXPECT_EQ(Document().CurrentBookTitle, "Garden Basics");
    EXPECT_TRUE(Document().CurrentFileName.isEmpty());
    EXPECT_EQ(Document().CurrentFolder, "/home/ann/books");
    EXPECT_EQ(SettingsStore::read(SettingKey::UseTitleAsHeading) + SettingsStore::read(SettingKey::PrePopulate), "11");
}

TEST_F(frmNewTest, AMnemonicFollowedAtOnceByEnterKeepsItsTick)
{
    bool useTitle = false, prePopulate = false;
    runNew([&](const Wizard& w) {
        useTitle = w.useTitle->isChecked();
        prePopulate = w.prePopulate->isChecked();
        QTest::keyClicks(w.title, "Quick");
        // No pause: a person typing fast, well within a tenth of a second.
        QTest::keyClick(w.window, Qt::Key_U, Qt::AltModifier);
        QTest::keyClick(w.window, Qt::Key_P, Qt::AltModifier);
        EXPECT_EQ(w.window->focusWidget(), w.prePopulate);
        QTest::keyClick(w.window->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(Document().CurrentBookTitle, "Quick");
    EXPECT_EQ(SettingsStore::read(SettingKey::UseTitleAsHeading), useTitle ? "0" : "1");
    EXPECT_EQ(SettingsStore::read(SettingKey::PrePopulate), prePopulate ? "0" : "1");
}
