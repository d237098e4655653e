#include "AppTestSupport.h"
#include "ScriptedMessages.h"
#include "StartupTail.h"
#include "TempFolder.h"
#include "frmMain.h"
#include "frmOnLoad.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
class StartDialogTest : public FirstRunTest {
protected:
    // The folder the way the program keeps it: no trailing separator.
    QString folder() const { return QDir(temp.path()).absolutePath(); }
    QString writeBook(const QString& name, const QString& title)
    {
        return temp.write(name, DescriptionFileBytes(title, {QStringLiteral("Headline of ") + title}));
    }
    void rememberRecent(const QString& name)
    {
        Document().CurrentFolder = folder();
        SettingsStore::write(SettingKey::RecentFile, name);
    }
    void showDialog(frmOnLoad& dialog)
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    TempFolder temp;
    frmMain window;
};

const QString ErrorOpeningMissingFile =
    QStringLiteral("An unexpected error has occurred.\r\n(Error 53 : File not found)");
} // namespace

TEST_F(StartDialogTest, FirstRunOffersNewAndOpenOnly)
{
    frmOnLoad dialog(&window);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_TRUE(dialog.isModal());
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Welcome to Quorvane.")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Please choose an option below to get started.")));
    EXPECT_EQ(dialog.cmdNew()->text(), QStringLiteral("Start a new book description"));
    EXPECT_EQ(dialog.cmdOpen()->text(), QStringLiteral("Open a book description I created earlier"));
    EXPECT_EQ(dialog.cmdOpenRecent()->text(), QStringLiteral("Open the last book description I worked on"));
    EXPECT_EQ(dialog.cmdCancel()->text(), QStringLiteral("Cancel"));

    showDialog(dialog);
    EXPECT_TRUE(dialog.cmdNew()->isVisible());
    EXPECT_TRUE(dialog.cmdOpen()->isVisible());
    EXPECT_FALSE(dialog.cmdOpenRecent()->isVisible());
}

TEST_F(StartDialogTest, RecentButtonShowsOnlyWithBothFolderAndName)
{
    struct Case {
        QString folder, recent;
        bool shown;
    };
    for (const Case& c : {Case{folder(), QString(), false}, Case{QString(), QStringLiteral("Book.qvn"), false},
                          Case{folder(), QStringLiteral("Book.qvn"), true}}) {
        Document().CurrentFolder = c.folder;
        SettingsStore::write(SettingKey::RecentFile, c.recent);
        frmOnLoad dialog(&window);
        showDialog(dialog);
        EXPECT_EQ(dialog.cmdOpenRecent()->isVisible(), c.shown) << c.folder.toStdString() << c.recent.toStdString();
    }
}

TEST_F(StartDialogTest, RecentFileLoadsAndTheDialogCloses)
{
    writeBook(QStringLiteral("Garden Basics.qvn"), QStringLiteral("Garden Basics"));
    rememberRecent(QStringLiteral("Garden Basics.qvn"));
    frmOnLoad dialog(&window);
    showDialog(dialog);

    dialog.cmdOpenRecent()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Garden Basics.qvn"));
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Garden Basics"));
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("Headline of Garden Basics"));
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(StartDialogTest, MissingRecentFileIsReportedAndTheDialogStays)
{
    ScriptedMessages messages;
    rememberRecent(QStringLiteral("Gone.qvn"));
    frmOnLoad dialog(&window);
    showDialog(dialog);

    dialog.cmdOpenRecent()->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("The file 'Gone.qvn' could not be found."));
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::OK);
    EXPECT_EQ(messages.shown()[0].caption, QStringLiteral("Quorvane"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(setting(SettingKey::RecentFile), QStringLiteral("Gone.qvn"));
}

TEST_F(StartDialogTest, AFolderUnderTheRecentNameIsNoFile)
{
    ScriptedMessages messages;
    QDir(folder()).mkdir(QStringLiteral("Folder.qvn"));
    rememberRecent(QStringLiteral("Folder.qvn"));
    frmOnLoad dialog(&window);
    showDialog(dialog);
    dialog.cmdOpenRecent()->click();
    EXPECT_EQ(messages.texts(), std::vector<QString>{QStringLiteral("The file 'Folder.qvn' could not be found.")});
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(StartDialogTest, CancelEscapeAndTheCloseBoxAllCancel)
{
    for (int way = 0; way < 3; ++way) {
        frmOnLoad dialog(&window);
        showDialog(dialog);
        if (way == 0)
            dialog.cmdCancel()->click();
        else if (way == 1)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_FALSE(dialog.isVisible()) << way;
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << way;
    }
}

TEST_F(StartDialogTest, EnterDoesNotCancel)
{
    frmOnLoad dialog(&window);
    showDialog(dialog);
    dialog.cmdOpen()->setFocus();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(StartDialogTest, ACommandLineFileOpensWithoutTheStartDialog)
{
    Document().CommandLineFile = writeBook(QStringLiteral("Book.qvn"), QStringLiteral("Book"));
    bool dialogShown = false;
    const auto watch = OnNextModal<frmOnLoad>([&](frmOnLoad* d) { dialogShown = true; d->reject(); }, 1000);

    EXPECT_TRUE(OpenStartupDocument(&window));
    EXPECT_FALSE(dialogShown);
    EXPECT_TRUE(Document().CommandLineFile.isEmpty());
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Book.qvn"));
    EXPECT_EQ(Document().CurrentFolder, folder());
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Book"));
}

TEST_F(StartDialogTest, AnUnreadableCommandLineFileLeadsToTheStartDialog)
{
    ScriptedMessages messages;
    Document().CommandLineFile = temp.file(QStringLiteral("Missing.qvn"));
    bool dialogShown = false;
    const auto watch = OnNextModal<frmOnLoad>([&](frmOnLoad* d) { dialogShown = true; d->cmdCancel()->click(); });

    EXPECT_FALSE(OpenStartupDocument(&window));
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(Document().CommandLineFile.isEmpty());
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().front().text, ErrorOpeningMissingFile);
}

TEST_F(StartDialogTest, LoadingWithNothingChosenUnloadsTheWindow)
{
    const auto watch = OnNextModal<frmOnLoad>([](frmOnLoad* d) { d->close(); });
    EXPECT_FALSE(window.Load());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(Document().DescriptionFileFilter, QStringLiteral("Quorvane Files (*.qvn)|*.qvn"));
    EXPECT_EQ(Document().DescriptionFileExtension, QStringLiteral("qvn"));
    // Unloading stored where the window was.
    EXPECT_NE(setting(SettingKey::WindowLeft), QStringLiteral("<none>"));
}

TEST_F(StartDialogTest, LoadingOffersTheLastFileFromTheSettings)
{
    writeBook(QStringLiteral("Last.qvn"), QStringLiteral("Last"));
    SettingsStore::write(SettingKey::CurrentDir, folder());
    SettingsStore::write(SettingKey::RecentFile, QStringLiteral("Last.qvn"));
    bool recentOffered = false;
    const auto watch = OnNextModal<frmOnLoad>([&](frmOnLoad* d) {
        recentOffered = d->cmdOpenRecent()->isVisible();
        d->cmdOpenRecent()->click();
    });
    EXPECT_TRUE(window.Load());
    EXPECT_TRUE(recentOffered);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Last"));
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(StartDialogTest, LoadingWithACommandLineFileKeepsTheWindow)
{
    Document().CommandLineFile = writeBook(QStringLiteral("Book.qvn"), QStringLiteral("Book"));
    EXPECT_TRUE(window.Load());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("Headline of Book"));
    EXPECT_EQ(setting(SettingKey::RecentFile), QStringLiteral("Book.qvn"));
}
