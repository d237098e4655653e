// The update check with a scripted prompt, its two windows, and the installer download
// from a local HTTP server.
#include "AppTestSupport.h"
#include "LocalHttpServer.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "TestSigningKey.h"
#include "UpdateCheck.h"
#include "UpdateNetwork.h"
#include "UpdateSource.h"
#include "VersionTextCache.h"
#include "frmMain.h"
#include "frmOnLoad.h"
#include "frmProgress.h"
#include "frmUpdateAvailable.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString Prompt = QStringLiteral("An update is available, do you want\r\nto read the update notes?");
const QString NotDownloaded = QStringLiteral("The update could not be downloaded.\r\nPlease try again later.");

QByteArray versionText(const char* version, const char* notes = "Faster saving.")
{
    return QByteArray("qvnlatestversion:") + version + ":0:" + notes;
}

QStringList updateFolders()
{
    return QDir::temp().entryList({QStringLiteral("quorvane-update-*")}, QDir::Dirs);
}

// The downloads go to a temporary folder of the test's own, where nothing else writes.
class PrivateTempFolder {
public:
    PrivateTempFolder() { qputenv("TMPDIR", m_folder.path().toUtf8()); }
    ~PrivateTempFolder() { qputenv("TMPDIR", m_previous); }

private:
    QByteArray m_previous = qgetenv("TMPDIR");
    TempFolder m_folder;
};

class UpdateCheckTest : public FirstRunTest {
protected:
    void SetUp() override
    {
        ResetUpdateState();
        ASSERT_TRUE(updateFolders().isEmpty());
        owner.resize(600, 400);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }
    void TearDown() override
    {
        SetUpdateSource(std::nullopt);
        ResetUpdateState();
        // Whatever did not get started is cleaned away.
        EXPECT_TRUE(updateFolders().isEmpty());
    }

    UpdateSource source() const
    {
        UpdateSource s;
        s.versionUrl = server.url(QStringLiteral("/qvnlatestversion.txt"));
        s.publicKey = key.publicKey();
        s.cacheFile = temp.file(QStringLiteral("cache/Quorvane/latestversion.txt"));
        return s;
    }

    // An installer that removes its own folder, then leaves a marker file.
    QByteArray installer() const
    {
        return "#!/bin/sh\nrm -rf \"$(dirname \"$0\")\"\necho started >'" +
               temp.file(QStringLiteral("installed")).toUtf8() + "'\n";
    }
    void offer(const QByteArray& program, const QByteArray& signature)
    {
        server.route(QStringLiteral("/downloads/Quorvane_Update.run"), {program});
        server.route(QStringLiteral("/downloads/Quorvane_Update.run.sig"), {signature});
    }
    bool installerRan() const { return QFile::exists(temp.file(QStringLiteral("installed"))); }

    // Yes to the prompt, then the notes window's button.
    std::unique_ptr<QTimer> takeUpdate()
    {
        messages.answer(MsgAnswer::Yes);
        return OnNextModal<frmUpdateAvailable>([](frmUpdateAvailable* w) { QTest::mouseClick(w->cmdOK(), Qt::LeftButton); });
    }

    TempFolder temp;
    LocalHttpServer server;
    TestSigningKey key;
    ScriptedMessages messages;
    QWidget owner;
    PrivateTempFolder privateTemp;
};

// Replaces the network and looks at the screen when the installer's download begins.
class WatchingNetwork : public UpdateNetwork {
public:
    QString DownloadToFile(const QUrl&, const QString&) override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<frmProgress*>(w))
                progressShown = p->isVisible() && p->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
                                p->lblProgress()->text() == QStringLiteral("Downloading Update, please wait.");
        return QStringLiteral("no network here");
    }
    void Fetch(const QUrl&, qint64, std::function<void(std::optional<QByteArray>)> done) override { done(std::nullopt); }
    bool progressShown = false;
};
} // namespace

TEST_F(UpdateCheckTest, OnlyADifferentVersionIsOffered)
{
    EXPECT_FALSE(RunUpdateCheck(QString::fromLatin1(versionText("1.4")), &owner, source()));
    EXPECT_FALSE(RunUpdateCheck(QStringLiteral("no marker:1.5:0:notes"), &owner, source()));
    EXPECT_FALSE(RunUpdateCheck(QStringLiteral("qvnlatestversion:1.5:no second colon"), &owner, source()));
    EXPECT_TRUE(messages.shown().empty());

    for (const char* version : {"1.5", "1.3", "1.40"}) {
        SCOPED_TRACE(version);
        messages.clear();
        messages.answer(MsgAnswer::No);
        EXPECT_FALSE(RunUpdateCheck(QString::fromLatin1(versionText(version)), &owner, source()));
        ASSERT_EQ(messages.shown().size(), 1u);
        const MessageRequest& asked = messages.shown().front();
        EXPECT_EQ(asked.text, Prompt);
        EXPECT_EQ(asked.icon, MsgIcon::Information);
        EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
        EXPECT_TRUE(asked.caption.isEmpty() || asked.caption == QStringLiteral("Quorvane"));
    }
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(UpdateCheckTest, NotesWindowShowsTheNotesAndCloseOrEscDeclines)
{
    const char* notes = "Saving is faster.[\\n]Note: the wizard: remembers more.";
    const QString shownText = QStringLiteral("Saving is faster.\n\nNote: the wizard: remembers more.\n\n"
                                             "Click 'Get Update' to close Quorvane and download the update.");
    bool looked = false;
    messages.answer(MsgAnswer::Yes);
    auto watch = OnNextModal<frmUpdateAvailable>([&](frmUpdateAvailable* w) {
        looked = true;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Update Available"));
        EXPECT_EQ(w->size(), QSize(422, 304));
        EXPECT_FALSE(w->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
        EXPECT_EQ(w->Text1()->geometry(), QRect(8, 89, 407, 165));
        EXPECT_TRUE(w->Text1()->isReadOnly());
        EXPECT_EQ(w->Text1()->toPlainText(), shownText);
        EXPECT_EQ(w->cmdOK()->text(), QStringLiteral("&Get Update"));
        EXPECT_EQ(w->cmdOK()->geometry(), QRect(242, 271, 81, 25));
        EXPECT_EQ(w->cmdCancel()->text(), QStringLiteral("Close"));
        EXPECT_EQ(w->cmdCancel()->geometry(), QRect(331, 271, 81, 25));
        EXPECT_EQ(w->font().family(), QStringLiteral("Segoe UI"));
        EXPECT_EQ(w->focusWidget(), w->cmdOK());
        QTest::mouseClick(w->cmdCancel(), Qt::LeftButton);
    });
    EXPECT_FALSE(RunUpdateCheck(QString::fromLatin1(versionText("1.5", notes)), &owner, source()));
    EXPECT_TRUE(looked);
    EXPECT_EQ(Update().UpdateNotes, QString::fromLatin1(notes));
    EXPECT_FALSE(Update().UpdateChosen);

    messages.answer(MsgAnswer::Yes);
    looked = false;
    watch = OnNextModal<frmUpdateAvailable>([&](frmUpdateAvailable* w) {
        looked = true;
        QTest::keyClick(w, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunUpdateCheck(QString::fromLatin1(versionText("1.5")), &owner, source()));
    EXPECT_TRUE(looked);
    EXPECT_FALSE(Update().UpdateChosen);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(messages.shown().size(), 2u);
}

TEST_F(UpdateCheckTest, ASignedInstallerIsDownloadedPrivatelyAndStarted)
{
    offer(installer(), key.sign(installer()));
    auto watch = takeUpdate();
    EXPECT_TRUE(RunUpdateCheck(QString::fromLatin1(versionText("1.5")), &owner, source()));
    EXPECT_TRUE(Update().UpdateChosen);
    EXPECT_EQ(messages.shown().size(), 1u);
    for (int waited = 0; waited < 20000 && !installerRan(); waited += 50)
        QTest::qWait(50);
    EXPECT_TRUE(installerRan());

    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_TRUE(server.requests()[0].startsWith("GET /downloads/Quorvane_Update.run HTTP/1.1"));
    EXPECT_TRUE(server.requests()[0].toLower().contains("cache-control: no-cache"));
    EXPECT_TRUE(server.requests()[1].startsWith("GET /downloads/Quorvane_Update.run.sig HTTP/1.1"));
}

TEST_F(UpdateCheckTest, AnythingButAWholeSignedInstallerStartsNothing)
{
    const QByteArray good = installer();
    const struct {
        const char* name;
        LocalHttpServer::Response program;
        LocalHttpServer::Response signature;
        bool refused;
    } cases[] = {
        {"truncated", {good.left(20), 200, good.size()}, {key.sign(good)}, false},
        {"not found", {"gone", 404}, {key.sign("gone")}, false},
        {"server error", {good, 500}, {key.sign(good)}, false},
        {"empty", {""}, {key.sign("")}, false},
        {"signature of other bytes", {good}, {key.sign(good + "\n")}, false},
        {"signed by another key", {good}, {TestSigningKey().sign(good)}, false},
        {"no signature", {good}, {"not here", 404}, false},
        {"signature as text", {good}, {key.sign(good).toBase64()}, false},
        {"connection refused", {good}, {key.sign(good)}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        ResetUpdateState();
        server.route(QStringLiteral("/downloads/Quorvane_Update.run"), c.program);
        server.route(QStringLiteral("/downloads/Quorvane_Update.run.sig"), c.signature);
        UpdateSource from = source();
        if (c.refused)
            from.versionUrl = LocalHttpServer::refusedUrl(QStringLiteral("/qvnlatestversion.txt"));
        auto watch = takeUpdate();
        EXPECT_FALSE(RunUpdateCheck(QString::fromLatin1(versionText("1.5")), &owner, from));
        EXPECT_EQ(messages.texts(), (std::vector<QString>{Prompt, NotDownloaded}));
        EXPECT_FALSE(Update().UpdateChosen);
        EXPECT_TRUE(updateFolders().isEmpty());
    }
    QTest::qWait(300);
    EXPECT_FALSE(installerRan());
}

TEST_F(UpdateCheckTest, ProgressWindowIsUpAndOnTopWhenTheDownloadStarts)
{
    auto* watching = new WatchingNetwork;
    std::unique_ptr<UpdateNetwork> real = SetUpdateNetwork(std::unique_ptr<UpdateNetwork>(watching));
    auto watch = takeUpdate();
    EXPECT_FALSE(RunUpdateCheck(QString::fromLatin1(versionText("1.5")), &owner, source()));
    EXPECT_TRUE(watching->progressShown);
    SetUpdateNetwork(std::move(real));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<frmProgress*>(w), nullptr) << "the progress window outlived the download";
}

TEST_F(UpdateCheckTest, VersionTextIsKeptForTheNextStartAndFailuresKeepTheOldOne)
{
    const UpdateSource from = source();
    EXPECT_TRUE(ReadCachedVersionText(from).isEmpty());

    const auto refresh = [](const UpdateSource& s) {
        std::optional<bool> kept;
        RefreshVersionText(s, [&](bool k) { kept = k; });
        for (int waited = 0; waited < 30000 && !kept; waited += 20)
            QTest::qWait(20);
        return kept;
    };
    server.route(QStringLiteral("/qvnlatestversion.txt"), {versionText("1.5", "Café: notes.")});
    EXPECT_EQ(refresh(from), std::optional<bool>(true));
    EXPECT_EQ(ReadCachedVersionText(from), QString::fromUtf8(versionText("1.5", "Café: notes.")));
    EXPECT_TRUE(server.requests().back().toLower().contains("cache-control: no-cache"));

    const QString kept = ReadCachedVersionText(from);
    server.route(QStringLiteral("/qvnlatestversion.txt"), {"gone", 404});
    EXPECT_EQ(refresh(from), std::optional<bool>(false));
    server.route(QStringLiteral("/qvnlatestversion.txt"), {"qvnlatestversion:1.6:0:cut", 200, 400});
    EXPECT_EQ(refresh(from), std::optional<bool>(false));
    server.route(QStringLiteral("/qvnlatestversion.txt"), {QByteArray(100 * 1024, 'x')});
    EXPECT_EQ(refresh(from), std::optional<bool>(false));
    UpdateSource refused = from;
    refused.versionUrl = LocalHttpServer::refusedUrl(QStringLiteral("/qvnlatestversion.txt"));
    EXPECT_EQ(refresh(refused), std::optional<bool>(false));
    // A host that takes the request and never answers is given up on.
    server.route(QStringLiteral("/qvnlatestversion.txt"), {{}, 200, -1, true});
    EXPECT_EQ(refresh(from), std::optional<bool>(false));
    EXPECT_EQ(ReadCachedVersionText(from), kept);
}

TEST_F(UpdateCheckTest, MainWindowOffersWhatTheLastStartFetchedAndUnloadsWhenItIsTaken)
{
    SetUpdateSource(source());
    server.route(QStringLiteral("/qvnlatestversion.txt"), {versionText("1.5")});
    offer(installer(), key.sign(installer()));
    bool startDialog = false;
    const auto cancelStartDialog = [&] {
        startDialog = false;
        return OnNextModal<frmOnLoad>([&](frmOnLoad* d) {
            startDialog = true;
            d->reject();
        }, 30000);
    };

    // First start: nothing kept yet, so no offer; the text is fetched in the background.
    {
        frmMain window;
        auto watch = cancelStartDialog();
        EXPECT_FALSE(window.Load());
        EXPECT_TRUE(startDialog && messages.shown().empty());
        for (int waited = 0; waited < 30000 && ReadCachedVersionText(source()).isEmpty(); waited += 50)
            QTest::qWait(50);
        EXPECT_EQ(ReadCachedVersionText(source()), QString::fromLatin1(versionText("1.5")));
    }
    // Turned off in the settings: no offer.
    {
        ResetDocumentState();
        SettingsStore::write(SettingKey::CheckForUpdates, QStringLiteral("0"));
        frmMain window;
        auto watch = cancelStartDialog();
        EXPECT_FALSE(window.Load());
        EXPECT_TRUE(startDialog && messages.shown().empty());
    }
    // Taken: the installer runs and the main window is gone, without a start dialog.
    {
        ResetDocumentState();
        SettingsStore::write(SettingKey::CheckForUpdates, QStringLiteral("1"));
        frmMain window;
        auto take = takeUpdate();
        auto watch = cancelStartDialog();
        EXPECT_FALSE(window.Load());
        EXPECT_FALSE(window.isVisible() || startDialog);
        EXPECT_EQ(messages.texts(), std::vector<QString>{Prompt});
        for (int waited = 0; waited < 20000 && !installerRan(); waited += 50)
            QTest::qWait(50);
        EXPECT_TRUE(installerRan());
    }
}
