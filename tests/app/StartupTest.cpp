#include "AppTestSupport.h"
#include "ScriptedMessages.h"
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
    QString writeBook(const QString& name)
    {
        return temp.write(name, DescriptionFileBytes(name.chopped(4), {QStringLiteral("Headline of ") + name}));
    }
    // A shown start dialog after the folder and the recent name were set so.
    std::unique_ptr<frmOnLoad> startDialog(const QString& folder, const QString& recent)
    {
        Document().CurrentFolder = folder;
        SettingsStore::write(SettingKey::RecentFile, recent);
        auto dialog = std::make_unique<frmOnLoad>(&window);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    TempFolder temp;
    frmMain window;
};
} // namespace

TEST_F(StartDialogTest, TextsAndTheRuleForTheRecentButton)
{
    const auto dialog = startDialog(QString(), QString());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_TRUE(dialog->isModal());
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : {dialog->cmdNew(), dialog->cmdOpen(), dialog->cmdOpenRecent(),
                                          static_cast<QAbstractButton*>(dialog->cmdCancel())})
        texts << button->text();
    for (const char* text : {"Welcome to Quorvane.", "Please choose an option below to get started.", "Start a new book description",
                             "Open a book description I created earlier", "Open the last book description I worked on", "Cancel"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    EXPECT_TRUE(dialog->cmdNew()->isVisible() && dialog->cmdOpen()->isVisible());

    // The recent button shows only with both a folder and a name.
    for (const auto& [folder, recent, shown] : {std::tuple{QString(), QString(), false}, {folder(), QString(), false},
                                                {QString(), QStringLiteral("Book.qvn"), false}, {folder(), QStringLiteral("Book.qvn"), true}})
        EXPECT_EQ(startDialog(folder, recent)->cmdOpenRecent()->isVisible(), shown) << folder.toStdString() << recent.toStdString();
}

TEST_F(StartDialogTest, RecentFileCancelAndEnter)
{
    ScriptedMessages messages;
    QDir(folder()).mkdir(QStringLiteral("Folder.qvn"));
    for (const char* missing : {"Gone.qvn", "Folder.qvn"}) {
        const auto dialog = startDialog(folder(), QString::fromLatin1(missing));
        dialog->cmdOpenRecent()->click();
        EXPECT_TRUE(dialog->isVisible()) << missing;
        EXPECT_EQ(setting(SettingKey::RecentFile), QString::fromLatin1(missing));
    }
    EXPECT_EQ(messages.texts(), (std::vector<QString>{QStringLiteral("The file 'Gone.qvn' could not be found."),
                                                      QStringLiteral("The file 'Folder.qvn' could not be found.")}));
    EXPECT_TRUE(messages.shown()[0].icon == MsgIcon::Exclamation && messages.shown()[0].buttons == MsgButtons::OK &&
                messages.shown()[0].caption == QStringLiteral("Quorvane"));

    writeBook(QStringLiteral("Garden Basics.qvn"));
    const auto dialog = startDialog(folder(), QStringLiteral("Garden Basics.qvn"));
    dialog->cmdOpenRecent()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Garden Basics.qvn"));
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Garden Basics"));
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("Headline of Garden Basics.qvn"));
    EXPECT_FALSE(Document().DocumentDirty);

    // Cancel, Escape and the close box cancel; Enter does not.
    for (int way = 0; way < 4; ++way) {
        const auto d = startDialog(QString(), QString());
        d->cmdOpen()->setFocus();
        way == 0 ? d->cmdCancel()->click() : way == 3 ? QTest::keyClick(d.get(), Qt::Key_Return) : way == 1 ? QTest::keyClick(d.get(), Qt::Key_Escape) : (void)d->close();
        EXPECT_EQ(d->isVisible(), way == 3) << way;
        EXPECT_EQ(d->result(), QDialog::Rejected) << way;
    }
}

TEST_F(StartDialogTest, LoadOpensTheCommandLineFileOrElseOffersTheStartDialog)
{
    ScriptedMessages messages;
    bool dialogShown = false;
    Document().CommandLineFile = writeBook(QStringLiteral("Book.qvn"));
    {
        const auto watch = OnNextModal<frmOnLoad>([&](frmOnLoad* d) { dialogShown = true; d->reject(); }, 1000);
        EXPECT_TRUE(window.Load());
    }
    EXPECT_FALSE(dialogShown);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Document().CommandLineFile.isEmpty());
    EXPECT_EQ(Document().CurrentFolder, folder());
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("Headline of Book.qvn"));
    EXPECT_EQ(setting(SettingKey::RecentFile), QStringLiteral("Book.qvn"));
    EXPECT_EQ(Document().DescriptionFileFilter, QStringLiteral("Quorvane Files (*.qvn)|*.qvn"));
    EXPECT_EQ(Document().DescriptionFileExtension, QStringLiteral("qvn"));

    // An unreadable command-line file is reported, then the start dialog (here with the last file) comes.
    writeBook(QStringLiteral("Last.qvn"));
    SettingsStore::write(SettingKey::CurrentDir, folder());
    SettingsStore::write(SettingKey::RecentFile, QStringLiteral("Last.qvn"));
    ResetDocumentState();
    frmMain second;
    Document().CommandLineFile = temp.file(QStringLiteral("Missing.qvn"));
    bool recentOffered = false;
    {
        const auto watch = OnNextModal<frmOnLoad>([&](frmOnLoad* d) {
            recentOffered = d->cmdOpenRecent()->isVisible();
            d->cmdOpenRecent()->click();
        });
        EXPECT_TRUE(second.Load());
    }
    EXPECT_TRUE(recentOffered);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("An unexpected error has occurred.\r\n(Error 53 : File not found)"));
    EXPECT_EQ(second.boxes().boxText(BookTitleBox), QStringLiteral("Last"));
    EXPECT_FALSE(Document().DocumentDirty);

    // Nothing chosen: the window unloads, storing where it was.
    QFile::remove(settingsFile());
    ResetDocumentState();
    frmMain third;
    const auto watch = OnNextModal<frmOnLoad>([](frmOnLoad* d) { d->close(); });
    EXPECT_FALSE(third.Load());
    EXPECT_FALSE(third.isVisible());
    EXPECT_FALSE(third.windowIcon().isNull());
    EXPECT_NE(setting(SettingKey::WindowLeft), QStringLiteral("<none>"));
}
