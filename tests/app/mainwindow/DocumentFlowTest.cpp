// The start dialog and the main window driving the document commands, with scripted
// Open and Save dialogs and the real wizard.
#include "AppTestSupport.h"
#include "DescriptionFile.h"
#include "DocumentDialogs.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "cFileDialog.h"
#include "ListingMeter.h"
#include "frmMain.h"
#include "frmNew.h"
#include "frmOnLoad.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <optional>

namespace L = MainWindowLayout;

namespace {
class DocumentFlowTest : public FirstRunTest {
protected:
    // What the main window's load sets up; the scripted dialogs then stand in for Qt's.
    void install(frmMain& window)
    {
        dialogs.reset();
        Document().SharedFileDialog = std::make_shared<cFileDialog>();
        InstallDocumentDialogs(&window);
        dialogs = std::make_unique<ScriptedFileDialogs>();
    }
    // The wizard as a person fills it in: a title, then OK (or Cancel when title is empty).
    static std::unique_ptr<QTimer> answerWizard(const QString& title)
    {
        return OnNextModal<frmNew>([title](frmNew* wizard) {
            QTest::keyClicks(wizard->findChild<QLineEdit*>(QStringLiteral("txtTitle")), title);
            wizard->findChild<QPushButton*>(title.isEmpty() ? QStringLiteral("cmdCancel") : QStringLiteral("cmdOK"))->click();
        });
    }

    // A shown start dialog after the folder and the recent name were set so.
    static std::unique_ptr<frmOnLoad> startDialog(frmMain& window, const QString& folder, const QString& recent)
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
    const QString book = temp.write(QStringLiteral("Book.qvn"), DescriptionFileBytes(QStringLiteral("Book")));
    std::unique_ptr<ScriptedFileDialogs> dialogs;
};
} // namespace

TEST_F(DocumentFlowTest, ClosingWithChangesAsksAndActsOnTheAnswer)
{
    enum How { CloseBox, CloseButton, SessionEnd, SessionEndUnasked };
    // saveAs: the Save dialog's reply ("" cancelled; null: no dialog expected).
    struct Case { const char* name; How how; std::optional<MsgAnswer> answer; const char* saveAs; bool openFile, closes; };
    const Case cases[] = {
        {"close box, Cancel", CloseBox, MsgAnswer::Cancel, nullptr, false, false},
        {"Close button, Cancel", CloseButton, MsgAnswer::Cancel, nullptr, false, false},
        {"Close button, No", CloseButton, MsgAnswer::No, nullptr, false, true},
        {"session end, Cancel", SessionEnd, MsgAnswer::Cancel, nullptr, false, false},
        {"session end, No", SessionEnd, MsgAnswer::No, nullptr, false, true},
        {"session end that may not ask", SessionEndUnasked, std::nullopt, nullptr, false, true},
        {"Yes, untitled, Save cancelled", CloseBox, MsgAnswer::Yes, "", false, false},
        {"Yes, untitled, saved", CloseBox, MsgAnswer::Yes, "Chapter", false, true},
        {"Yes, open file", CloseBox, MsgAnswer::Yes, nullptr, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetDocumentState();
        QFile::remove(settingsFile());
        ScriptedMessages messages;
        if (c.answer)
            messages.answer(*c.answer);
        frmMain window;
        install(window);
        window.move(150, 90);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        if (c.openFile)
            LoadDescriptionFile(book);
        if (c.saveAs)
            *c.saveAs ? dialogs->choose(folder + QLatin1Char('/') + QLatin1String(c.saveAs)) : dialogs->cancel();
        window.boxes().widget(Subheadline)->setFocus();
        QTest::keyClicks(window.boxes().widget(Subheadline), QStringLiteral("Typed"));

        if (c.how == CloseButton)
            ClickButton(window.button(L::CloseButton));
        else
            EXPECT_EQ(c.how == CloseBox ? window.close() : window.EndSession(c.how == SessionEnd), c.closes);
        EXPECT_EQ(window.isVisible(), !c.closes);
        ASSERT_EQ(messages.shown().size(), c.answer ? 1u : 0u);
        for (const MessageRequest& m : messages.shown())
            EXPECT_TRUE(m.text == "Do you want to save the changes to this document?" && m.icon == MsgIcon::Exclamation &&
                        m.buttons == MsgButtons::YesNoCancel && m.caption == "Quorvane");
        ASSERT_EQ(dialogs->shown().size(), c.saveAs ? 1u : 0u);
        EXPECT_TRUE(!c.saveAs || dialogs->shown()[0].kind == FileDialogKind::Save);
        const bool saved = c.closes && c.answer == MsgAnswer::Yes;
        EXPECT_TRUE(c.closes != saved || Document().DocumentDirty != saved) << "dirty after a save, or clean while open";
        const QByteArray typed = DescriptionFileBytes(c.openFile ? QStringLiteral("Book") : QString(), {QString(), "Typed"});
        EXPECT_EQ(TempFolder::read(book), saved && c.openFile ? typed : DescriptionFileBytes(QStringLiteral("Book")));
        EXPECT_EQ(TempFolder::read(folder + QStringLiteral("/Chapter.qvn")), saved && !c.openFile ? typed : QByteArray());
        QFile::remove(folder + QStringLiteral("/Chapter.qvn"));
        // Unloading stores where the window was, in twips.
        EXPECT_EQ(QStringList({setting(SettingKey::WindowLeft), setting(SettingKey::WindowTop)}),
                  (c.closes ? QStringList{QString::number(window.x() * 15), QString::number(window.y() * 15)}
                            : QStringList{"<none>", "<none>"}));
    }
}

TEST_F(DocumentFlowTest, TheStartDialogAndTheDocumentButtonsRunTheCommands)
{
    ScriptedMessages messages;
    frmMain window;
    install(window);
    {
        // The start dialog stays after a cancelled wizard or Open and a file that is no description.
        frmOnLoad dialog(&window);
        dialog.show();
        {
            const auto wizard = answerWizard(QString());
            ClickButton(dialog.cmdNew());
        }
        dialogs->cancel().choose(temp.write(QStringLiteral("Notes.txt"), "notes\r\n")).choose(book);
        ClickButton(dialog.cmdOpen());
        ClickButton(dialog.cmdOpen());
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.texts(), std::vector<QString>{QStringLiteral("The specified file is not recognised as a supported type.")});
        ClickButton(dialog.cmdOpen());
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Book"));
        EXPECT_EQ(dialogs->shown().back().kind, FileDialogKind::Open);

        frmOnLoad again(&window);
        again.show();
        const auto wizard = answerWizard(QStringLiteral("Garden Basics"));
        ClickButton(again.cmdNew());
        EXPECT_EQ(again.result(), QDialog::Accepted);
        EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Garden Basics"));
    }

    Document().DocumentDirty = false;
    dialogs->choose(book).choose(folder + QStringLiteral("/Copy.qvn"));
    ClickButton(window.button(L::OpenButton));
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Book.qvn"));
    EXPECT_FALSE(window.meter()->showsSaved()) << "a load is no save";
    window.boxes().setBoxText(Headline, QStringLiteral("Saved"));
    window.meter()->updateNow();
    const QString figures = window.meter()->text();
    ClickButton(window.button(L::SaveButton));
    EXPECT_FALSE(Document().DocumentDirty);
    // The length line says so for a while, its figures as they were.
    EXPECT_TRUE(window.meter()->showsSaved());
    EXPECT_EQ(window.meter()->text(), figures);
    EXPECT_EQ(TempFolder::read(book), DescriptionFileBytes(QStringLiteral("Book"), {QStringLiteral("Saved")}));
    ClickButton(window.button(L::SaveAsButton));
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Copy.qvn"));
    const auto wizard = answerWizard(QStringLiteral("Another Book"));
    ClickButton(window.button(L::NewButton));
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Another Book"));
    EXPECT_TRUE(Document().CurrentFileName.isEmpty() && Document().DocumentDirty);
    EXPECT_EQ(dialogs->unusedReplies(), 0);
}

TEST_F(DocumentFlowTest, StartDialogTextsTheRecentButtonsRuleAndTheWaysOut)
{
    frmMain window;
    auto dialog = startDialog(window, QString(), QString());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_TRUE(dialog->isModal());
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        texts << b->text();
    for (const CandyButton* b : dialog->findChildren<CandyButton*>())
        texts << b->Caption();
    for (const char* text : {"Welcome to Quorvane.", "Please choose an option below to get started.", "Start a new book description",
                             "Open a book description I created earlier", "Open the last book description I worked on", "Cancel"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    EXPECT_TRUE(dialog->cmdNew()->isVisible() && dialog->cmdOpen()->isVisible());

    // The recent button shows only with both a folder and a name.
    for (const auto& [where, recent, shown] : {std::tuple{QString(), QString(), false}, {folder, QString(), false},
                                               {QString(), QStringLiteral("Book.qvn"), false}, {folder, QStringLiteral("Book.qvn"), true}})
        EXPECT_EQ(startDialog(window, where, recent)->cmdOpenRecent()->isVisible(), shown) << where.toStdString() << recent.toStdString();

    // Cancel, Escape and the close box cancel; Enter does not.
    const std::function<void(frmOnLoad*)> ways[] = {[](frmOnLoad* d) { d->cmdCancel()->click(); },
        [](frmOnLoad* d) { QTest::keyClick(d, Qt::Key_Escape); }, [](frmOnLoad* d) { d->close(); },
        [](frmOnLoad* d) { QTest::keyClick(d, Qt::Key_Return); }};
    for (int way = 0; way < 4; ++way) {
        dialog = startDialog(window, QString(), QString());
        dialog->cmdOpen()->setFocus();
        ways[way](dialog.get());
        EXPECT_EQ(dialog->isVisible(), way == 3) << way;
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << way;
    }
}

TEST_F(DocumentFlowTest, TheRecentFileOpensOrIsReportedMissing)
{
    frmMain window;
    ScriptedMessages messages;
    QDir(folder).mkdir(QStringLiteral("Folder.qvn"));
    for (const char* missing : {"Gone.qvn", "Folder.qvn"}) {
        const auto dialog = startDialog(window, folder, QString::fromLatin1(missing));
        ClickButton(dialog->cmdOpenRecent());
        EXPECT_TRUE(dialog->isVisible()) << missing;
        EXPECT_EQ(setting(SettingKey::RecentFile), QString::fromLatin1(missing));
    }
    EXPECT_EQ(messages.texts(), (std::vector<QString>{QStringLiteral("The file 'Gone.qvn' could not be found."),
                                                      QStringLiteral("The file 'Folder.qvn' could not be found.")}));
    const MessageRequest& m = messages.shown()[0];
    EXPECT_TRUE(m.icon == MsgIcon::Exclamation && m.buttons == MsgButtons::OK && m.caption == QStringLiteral("Quorvane"));

    temp.write(QStringLiteral("Garden Basics.qvn"), DescriptionFileBytes(QStringLiteral("Garden Basics"), {QStringLiteral("Grow")}));
    const auto dialog = startDialog(window, folder, QStringLiteral("Garden Basics.qvn"));
    ClickButton(dialog->cmdOpenRecent());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Garden Basics.qvn"));
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("Grow"));
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(DocumentFlowTest, LoadOpensTheCommandLineFileOrElseOffersTheStartDialog)
{
    frmMain window;
    ScriptedMessages messages;
    bool dialogShown = false;
    Document().CommandLineFile = book;
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
        const auto watch = OnNextModal<frmOnLoad>([&](frmOnLoad* d) { dialogShown = d->cmdOpenRecent()->isVisible(); ClickButton(d->cmdOpenRecent()); });
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
    EXPECT_NE(setting(SettingKey::WindowLeft), QStringLiteral("<none>"));
}
