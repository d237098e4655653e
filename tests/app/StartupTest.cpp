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
    const QString folder = QDir(temp.path()).absolutePath();  // as the program keeps it: no trailing separator
    frmMain window;
};
} // namespace

TEST_F(StartDialogTest, TextsTheRecentButtonsRuleAndTheWaysOut)
{
    auto dialog = startDialog(QString(), QString());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_TRUE(dialog->isModal());
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        texts << b->text();
    for (const char* text : {"Welcome to Quorvane.", "Please choose an option below to get started.", "Start a new book description",
                             "Open a book description I created earlier", "Open the last book description I worked on", "Cancel"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    EXPECT_TRUE(dialog->cmdNew()->isVisible() && dialog->cmdOpen()->isVisible());

    // The recent button shows only with both a folder and a name.
    for (const auto& [where, recent, shown] : {std::tuple{QString(), QString(), false}, {folder, QString(), false},
                                               {QString(), QStringLiteral("Book.qvn"), false}, {folder, QStringLiteral("Book.qvn"), true}})
        EXPECT_EQ(startDialog(where, recent)->cmdOpenRecent()->isVisible(), shown) << where.toStdString() << recent.toStdString();

    // Cancel, Escape and the close box cancel; Enter does not.
    for (int way = 0; way < 4; ++way) {
        dialog = startDialog(QString(), QString());
        dialog->cmdOpen()->setFocus();
        if (way == 0)
            dialog->cmdCancel()->click();
        else if (way < 3)
            way == 1 ? QTest::keyClick(dialog.get(), Qt::Key_Escape) : (void)dialog->close();
        else
            QTest::keyClick(dialog.get(), Qt::Key_Return);
        EXPECT_EQ(dialog->isVisible(), way == 3) << way;
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << way;
    }
}

TEST_F(StartDialogTest, TheRecentFileOpensOrIsReportedMissing)
{
    ScriptedMessages messages;
    QDir(folder).mkdir(QStringLiteral("Folder.qvn"));
    for (const char* missing : {"Gone.qvn", "Folder.qvn"}) {
        const auto dialog = startDialog(folder, QString::fromLatin1(missing));
        dialog->cmdOpenRecent()->click();
        EXPECT_TRUE(dialog->isVisible()) << missing;
        EXPECT_EQ(setting(SettingKey::RecentFile), QString::fromLatin1(missing));
    }
    EXPECT_EQ(messages.texts(), (std::vector<QString>{QStringLiteral("The file 'Gone.qvn' could not be found."),
                                                      QStringLiteral("The file 'Folder.qvn' could not be found.")}));
    const MessageRequest& m = messages.shown()[0];
    EXPECT_TRUE(m.icon == MsgIcon::Exclamation && m.buttons == MsgButtons::OK && m.caption == QStringLiteral("Quorvane"));

    temp.write(QStringLiteral("Garden Basics.qvn"), DescriptionFileBytes(QStringLiteral("Garden Basics"), {QStringLiteral("Grow")}));
    const auto dialog = startDialog(folder, QStringLiteral("Garden Basics.qvn"));
    dialog->cmdOpenRecent()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Garden Basics.qvn"));
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("Grow"));
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(StartDialogTest, LoadOpensTheCommandLineFileOrElseOffersTheStartDialog)
{
    ScriptedMessages messages;
    bool dialogShown = false;
    Document().CommandLineFile = temp.write(QStringLiteral("Book.qvn"), DescriptionFileBytes(QStringLiteral("Book")));
    {
        const auto watch = OnNextModal<frmOnLoad>([&](frmOnLoad* d) { dialogShown = true; d->reject(); }, 1000);
        EXPECT_TRUE(window.Load());
    }
    EXPECT_FALSE(dialogShown);
    EXPECT_TRUE(window.isVisible() && Document().CommandLineFile.isEmpty());
    EXPECT_EQ(Document().CurrentFolder, folder);
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Book"));
    EXPECT_EQ(setting(SettingKey::RecentFile), QStringLiteral("Book.qvn"));
    EXPECT_EQ(Document().DescriptionFileFilter, QStringLiteral("Quorvane Files (*.qvn)|*.qvn"));
    EXPECT_EQ(Document().DescriptionFileExtension, QStringLiteral("qvn"));

    // An unreadable command-line file is reported, then the start dialog offers the last file.
    temp.write(QStringLiteral("Last.qvn"), DescriptionFileBytes(QStringLiteral("Last")));
    SettingsStore::write(SettingKey::CurrentDir, folder);
    SettingsStore::write(SettingKey::RecentFile, QStringLiteral("Last.qvn"));
    ResetDocumentState();
    frmMain second;
    Document().CommandLineFile = temp.file(QStringLiteral("Missing.qvn"));
    {
        const auto watch = OnNextModal<frmOnLoad>([&](frmOnLoad* d) { dialogShown = d->cmdOpenRecent()->isVisible(); d->cmdOpenRecent()->click(); });
        EXPECT_TRUE(second.Load());
    }
    EXPECT_TRUE(dialogShown);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("An unexpected error has occurred.\r\n(Error 53 : File not found)"));
    EXPECT_EQ(second.boxes().boxText(BookTitleBox), QStringLiteral("Last"));

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
