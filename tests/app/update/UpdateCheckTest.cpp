// The update check with a scripted prompt, its two windows, and the installer download from a local server.
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
#include "HelperUpdateNetwork.h"
#include "PackageOwnership.h"
#include "UpdateVersionText.h"

#include <QCloseEvent>
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

class UpdateCheckTest : public FirstRunTest {
protected:
    void SetUp() override
    {
        // Slow servers fail within seconds.
        qputenv("QUORVANE_UPDATE_WINDOW_MS", "3000");
        ResetUpdateState();
        SetUpdateNetwork(std::make_unique<HelperUpdateNetwork>(qEnvironmentVariable("QUORVANE_BIN_DIR") +
                                                               QStringLiteral("/quorvane-update")));
        ASSERT_TRUE(updateFolders().isEmpty());
        owner.resize(600, 400);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }
    void TearDown() override
    {
        SetUpdateSource(std::nullopt);
        SetUpdateNetwork(nullptr);
        SetPackageOwnerQuery({});
        qunsetenv("QUORVANE_UPDATE_WINDOW_MS");
        ResetUpdateState();
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

    QStringList updateFolders() const
    {
        return QDir(temp.file(QStringLiteral("cache/Quorvane"))).entryList({QStringLiteral("installer-*")}, QDir::Dirs);
    }
    // Removes its own folder, then leaves a marker naming where it ran.
    QByteArray installer() const
    {
        return "#!/bin/sh\nrm -rf \"$(dirname \"$0\")\"\necho \"$0\" >'" +
               temp.file(QStringLiteral("installed")).toUtf8() + "'\n";
    }
    // The installer, signed for release 1.5 with serial 0.
    void offer(const QByteArray& program)
    {
        offer({program}, {key.signInstaller(program, "1.5", "0")});
    }
    void offer(const LocalHttpServer::Response& program, const LocalHttpServer::Response& signature)
    {
        server.route(QStringLiteral("/downloads/Quorvane_Update.run"), {program});
        server.route(QStringLiteral("/downloads/Quorvane_Update.run.sig"), {signature});
    }
    bool installerRan() const { return QFile::exists(temp.file(QStringLiteral("installed"))); }
    bool waitForInstaller() { return QTest::qWaitFor([this] { return installerRan(); }, 20000); }
    bool check(const char* version, const char* notes = "Faster saving.")
    {
        return RunUpdateCheck(QString::fromLatin1(versionText(version, notes)), &owner, source());
    }
    static std::optional<bool> refresh(const UpdateSource& s)
    {
        std::optional<bool> kept;
        RefreshVersionText(s, [&](bool k) { kept = k; });
        QTest::qWaitFor([&] { return kept.has_value(); }, 30000);
        return kept;
    }

    std::unique_ptr<QTimer> takeUpdate()
    {
        messages.answer(MsgAnswer::Yes);
        return OnNextModal<frmUpdateAvailable>([](frmUpdateAvailable* w) { QTest::mouseClick(w->cmdOK(), Qt::LeftButton); });
    }

    // The version text as the helper keeps it once accepted.
    void keep(const QByteArray& text, qint64 serial)
    {
        QDir().mkpath(temp.file(QStringLiteral("cache/Quorvane")));
        temp.write(QStringLiteral("cache/Quorvane/latestversion.txt"), text);
        temp.write(QStringLiteral("cache/Quorvane/latestversion.serial"), QByteArray::number(serial));
    }
    void publish(const QByteArray& text)
    {
        server.route(QStringLiteral("/qvnlatestversion.txt"), {text});
        server.route(QStringLiteral("/qvnlatestversion.txt.sig"), {key.sign(text)});
    }

    TempFolder temp;
    LocalHttpServer server;
    TestSigningKey key;
    ScriptedMessages messages;
    QWidget owner;
};

// Replaces the network and looks at the screen when the installer's download begins.
class WatchingNetwork : public UpdateNetwork {
public:
    QString DownloadInstaller(const UpdateSource&, const UpdateOffer&, const QString&) override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<frmProgress*>(w))
                progressShown = p->isVisible() && p->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
                                p->lblProgress()->text() == QStringLiteral("Downloading Update, please wait.");
        return QStringLiteral("no network here");
    }
    void RefreshVersionText(const UpdateSource&, std::function<void(bool)> done) override
    {
        ++refreshes;
        if (done)
            done(false);
    }
    bool progressShown = false;
    int refreshes = 0;
};

// Tries to close the progress window in every way a user has while the download runs: the
// window system's close request (what a window manager sends for Alt+F4 or the close box),
// close(), Esc, and the Alt+F4 keys themselves; notes after each whether it is still up.
class ClosingNetwork : public WatchingNetwork {
public:
    QString DownloadInstaller(const UpdateSource&, const UpdateOffer&, const QString&) override
    {
        frmProgress* progress = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            progress = progress ? progress : qobject_cast<frmProgress*>(w);
        if (!progress || !progress->isVisible())
            return QStringLiteral("no progress window");
        QCloseEvent request;
        QApplication::sendEvent(progress->windowHandle(), &request);
        refused.append(!request.isAccepted() && progress->isVisible());
        progress->close();
        refused.append(progress->isVisible());
        for (const QKeyCombination key : {QKeyCombination(Qt::Key_Escape), Qt::AltModifier | Qt::Key_F4}) {
            QTest::keyClick(progress, key.key(), key.keyboardModifiers());
            QCoreApplication::processEvents();
            refused.append(progress->isVisible());
        }
        return QStringLiteral("no network here");
    }
    QList<bool> refused;
};
} // namespace

TEST_F(UpdateCheckTest, OnlyADifferentVersionIsOffered)
{
    EXPECT_FALSE(check("1.4"));
    EXPECT_FALSE(RunUpdateCheck(QStringLiteral("no marker:1.5:0:notes"), &owner, source()));
    EXPECT_FALSE(RunUpdateCheck(QStringLiteral("qvnlatestversion:1.5:no second colon"), &owner, source()));
    EXPECT_TRUE(messages.shown().empty());

    for (const char* version : {"1.5", "1.3", "1.40"}) {
        SCOPED_TRACE(version);
        messages.clear();
        messages.answer(MsgAnswer::No);
        EXPECT_FALSE(check(version));
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
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("lblIntroduction"))->text(),
                  QStringLiteral("Quorvane 1.5 is available, please refer to the update notes below."));
        QTest::mouseClick(w->cmdCancel(), Qt::LeftButton);
    });
    EXPECT_FALSE(check("1.5", notes));
    EXPECT_TRUE(looked);
    EXPECT_EQ(Update().UpdateNotes, QString::fromLatin1(notes));
    EXPECT_FALSE(Update().UpdateChosen);

    messages.answer(MsgAnswer::Yes);
    looked = false;
    watch = OnNextModal<frmUpdateAvailable>([&](frmUpdateAvailable* w) { looked = true; QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(check("1.5"));
    EXPECT_TRUE(looked);
    EXPECT_FALSE(Update().UpdateChosen);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(messages.shown().size(), 2u);

    // A version too long for the window is shortened; the sentence stays whole inside it.
    messages.answer(MsgAnswer::Yes);
    looked = false;
    watch = OnNextModal<frmUpdateAvailable>([&](frmUpdateAvailable* w) {
        looked = true;
        const QLabel* introduction = w->findChild<QLabel*>(QStringLiteral("lblIntroduction"));
        EXPECT_TRUE(introduction->text().startsWith(QStringLiteral("Quorvane 2.0-preview-")));
        EXPECT_TRUE(introduction->text().endsWith(QStringLiteral("\u2026 is available, please refer to the update notes below.")));
        EXPECT_LE(introduction->heightForWidth(introduction->width()), introduction->height());
        QTest::keyClick(w, Qt::Key_Escape);
    });
    const std::string longVersion = "2.0-preview-" + std::string(120, 'x');
    EXPECT_FALSE(check(longVersion.c_str()));
    EXPECT_TRUE(looked);
}

TEST_F(UpdateCheckTest, ASignedInstallerIsDownloadedPrivatelyAndStarted)
{
    offer(installer());
    auto watch = takeUpdate();
    EXPECT_TRUE(check("1.5"));
    EXPECT_TRUE(Update().UpdateChosen);
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(waitForInstaller());
    EXPECT_TRUE(TempFolder::read(temp.file(QStringLiteral("installed")))
                    .startsWith(temp.file(QStringLiteral("cache/Quorvane/installer-")).toUtf8()));

    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_TRUE(server.requests()[0].startsWith("GET /downloads/Quorvane_Update.run HTTP/1.1"));
    EXPECT_TRUE(server.requests()[0].toLower().contains("cache-control: no-cache"));
    EXPECT_TRUE(server.requests()[1].startsWith("GET /downloads/Quorvane_Update.run.sig HTTP/1.1"));
}

TEST_F(UpdateCheckTest, AnythingButAWholeSignedInstallerStartsNothing)
{
    const QByteArray good = installer();
    const QByteArray signature = key.signInstaller(good, "1.5", "0");
    const struct {
        const char* name;
        LocalHttpServer::Response program;
        LocalHttpServer::Response signature;
        bool refused;
    } cases[] = {
        {"truncated", {good.left(20), 200, good.size()}, {signature}, false},
        {"not found", {"gone", 404}, {key.signInstaller("gone", "1.5", "0")}, false},
        {"server error", {good, 500}, {signature}, false},
        {"empty", {""}, {key.signInstaller("", "1.5", "0")}, false},
        {"signature of other bytes", {good}, {key.signInstaller(good + "\n", "1.5", "0")}, false},
        {"signed over its bytes only", {good}, {key.sign(good)}, false},
        {"signed for another release", {good}, {key.signInstaller(good, "1.5", "1")}, false},
        {"signed by another key", {good}, {TestSigningKey().signInstaller(good, "1.5", "0")}, false},
        {"no signature", {good}, {"not here", 404}, false},
        {"signature as text", {good}, {signature.toBase64()}, false},
        {"trickling in", {.body = good + QByteArray(4000, '#'), .dripMs = 40, .dripBytes = 10}, {signature}, false},
        {"connection refused", {good}, {signature}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        ResetUpdateState();
        offer(c.program, c.signature);
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
    EXPECT_FALSE(check("1.5"));
    EXPECT_TRUE(watching->progressShown);
    SetUpdateNetwork(std::move(real));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<frmProgress*>(w), nullptr) << "the progress window outlived the download";
}

TEST_F(UpdateCheckTest, ProgressWindowCannotBeClosedWhileTheDownloadRuns)
{
    auto* closing = new ClosingNetwork;
    std::unique_ptr<UpdateNetwork> real = SetUpdateNetwork(std::unique_ptr<UpdateNetwork>(closing));
    auto watch = takeUpdate();
    EXPECT_FALSE(check("1.5"));
    EXPECT_EQ(closing->refused, QList<bool>({true, true, true, true})) << "close request, close, Esc, Alt+F4";
    EXPECT_EQ(messages.texts(), (std::vector<QString>{Prompt, NotDownloaded}));
    SetUpdateNetwork(std::move(real));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<frmProgress*>(w), nullptr) << "the progress window outlived the download";
}

TEST_F(UpdateCheckTest, AMissingHelperIsAFailedDownloadAndKeepsTheOldVersionText)
{
    SetUpdateNetwork(std::make_unique<HelperUpdateNetwork>(temp.file(QStringLiteral("no-such-helper"))));
    offer(installer());
    auto watch = takeUpdate();
    EXPECT_FALSE(check("1.5"));
    EXPECT_EQ(messages.texts(), (std::vector<QString>{Prompt, NotDownloaded}));
    EXPECT_FALSE(Update().UpdateChosen);
    EXPECT_EQ(refresh(source()), std::optional<bool>(false));
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(UpdateCheckTest, VersionTextIsKeptForTheNextStartAndFailuresKeepTheOldOne)
{
    const UpdateSource from = source();
    EXPECT_TRUE(ReadCachedVersionText(from).isEmpty());

    publish(versionText("1.5", "Café: notes."));
    EXPECT_EQ(refresh(from), std::optional<bool>(true));
    EXPECT_EQ(ReadCachedVersionText(from), QString::fromUtf8(versionText("1.5", "Café: notes.")));
    EXPECT_TRUE(server.requests().back().toLower().contains("cache-control: no-cache"));

    const QString kept = ReadCachedVersionText(from);
    UpdateSource refused = from;
    refused.versionUrl = LocalHttpServer::refusedUrl(QStringLiteral("/qvnlatestversion.txt"));
    const struct {
        const char* name;
        LocalHttpServer::Response answer;
        const UpdateSource& to;
    } failures[] = {
        {"not found", {"gone", 404}, from},
        {"cut short", {"qvnlatestversion:1.6:0:cut", 200, 400}, from},
        {"too big", {QByteArray(100 * 1024, 'x')}, from},
        {"connection refused", {"qvnlatestversion:1.6:0:x"}, refused},
        {"never answers", {{}, 200, -1, true}, from},
        {"unsigned", {"qvnlatestversion:1.6:0:x"}, from},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.name);
        server.route(QStringLiteral("/qvnlatestversion.txt"), f.answer);
        EXPECT_EQ(refresh(f.to), std::optional<bool>(false));
        EXPECT_EQ(ReadCachedVersionText(from), kept);
    }
}

// A version text may fill its 64 KiB exactly; one byte more is not a version text, neither
// from the server nor in the kept file.
TEST_F(UpdateCheckTest, VersionTextUpToItsCapIsKeptAndOneByteMoreRefused)
{
    const UpdateSource from = source();
    const QByteArray head = versionText("1.5", "");
    const QByteArray atCap = head + QByteArray(64 * 1024 - head.size(), 'n');
    publish(atCap);
    EXPECT_EQ(refresh(from), std::optional<bool>(true));
    EXPECT_EQ(ReadCachedVersionText(from).toUtf8(), atCap);

    publish(atCap + 'n');
    EXPECT_EQ(refresh(from), std::optional<bool>(false));
    EXPECT_EQ(ReadCachedVersionText(from).toUtf8(), atCap);

    QFile kept(from.cacheFile);
    ASSERT_TRUE(kept.open(QIODevice::Append));
    kept.write("n");
    kept.close();
    EXPECT_EQ(ReadCachedVersionText(from), QString());
}

TEST_F(UpdateCheckTest, MainWindowOffersWhatTheLastStartFetchedAndUnloadsWhenItIsTaken)
{
    SetUpdateSource(source());
    SetPackageOwnerQuery([](const QString&) { return false; });
    publish(versionText("1.5"));
    offer(installer());
    // A folder an earlier start left behind goes at this start.
    QDir().mkpath(temp.file(QStringLiteral("cache/Quorvane/installer-old/sub")));
    bool startDialog = false;
    const auto cancelStartDialog = [&] {
        startDialog = false;
        return OnNextModal<frmOnLoad>([&](frmOnLoad* d) { startDialog = true; d->reject(); }, 30000);
    };

    // No offer at the first start, with nothing kept yet (the text is fetched in the background),
    // nor once the check is turned off in the settings.
    for (const bool firstStart : {true, false}) {
        SCOPED_TRACE(firstStart ? "first start" : "turned off");
        ResetDocumentState();
        if (!firstStart)
            SettingsStore::write(SettingKey::CheckForUpdates, QStringLiteral("0"));
        frmMain window;
        auto watch = cancelStartDialog();
        EXPECT_FALSE(window.Load());
        EXPECT_TRUE(startDialog && messages.shown().empty());
        EXPECT_TRUE(updateFolders().isEmpty());
        QTest::qWaitFor([&] { return !ReadCachedVersionText(source()).isEmpty(); }, 30000);
        EXPECT_EQ(ReadCachedVersionText(source()), QString::fromLatin1(versionText("1.5")));
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
        EXPECT_TRUE(waitForInstaller());
    }
}

TEST_F(UpdateCheckTest, NoKeyOrAProgramFromAPackageMeansNoCheckAtAll)
{
    keep(versionText("1.5"), 0);
    publish(versionText("1.6"));
    auto* counting = new WatchingNetwork;
    SetUpdateNetwork(std::unique_ptr<UpdateNetwork>(counting));
    QStringList asked;
    SetPackageOwnerQuery([&](const QString& file) {
        asked.append(file);
        return true;
    });

    UpdateSource keyless = source();
    keyless.publicKey.clear();
    for (const UpdateSource& from : {keyless, source()}) {
        SetUpdateSource(from);
        EXPECT_FALSE(CheckForUpdates(&owner));
        QTest::qWait(1500);  // past the moment a fresh text would be fetched
        EXPECT_TRUE(messages.shown().empty());
        EXPECT_EQ(counting->refreshes, 0);
    }
    // Only the program with a key was looked up, under its own file.
    EXPECT_EQ(asked, QStringList{QCoreApplication::applicationFilePath()});

    // Not from a package: the kept text is offered and a fresh one fetched.
    SetPackageOwnerQuery([](const QString&) { return false; });
    messages.answer(MsgAnswer::No);
    EXPECT_FALSE(CheckForUpdates(&owner));
    EXPECT_EQ(messages.texts(), std::vector<QString>{Prompt});
    EXPECT_TRUE(QTest::qWaitFor([&] { return counting->refreshes == 1; }, 5000));
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(UpdateCheckTest, OnlyTheTextWithTheAcceptedSerialIsOffered)
{
    SetUpdateSource(source());
    SetPackageOwnerQuery([](const QString&) { return false; });
    SetUpdateNetwork(std::make_unique<WatchingNetwork>());
    keep(versionText("1.5"), 1);  // a newer release was accepted since
    EXPECT_FALSE(CheckForUpdates(&owner));
    QFile::remove(temp.file(QStringLiteral("cache/Quorvane/latestversion.serial")));  // never accepted
    EXPECT_FALSE(CheckForUpdates(&owner));
    EXPECT_TRUE(messages.shown().empty());
}

TEST(PackageOwnership, DpkgKnowsItsOwnFilesUnderEitherName)
{
    EXPECT_TRUE(DpkgOwnsFile(QStringLiteral("/usr/bin/ls")));
    EXPECT_TRUE(DpkgOwnsFile(QStringLiteral("/bin/ls")));
    EXPECT_FALSE(DpkgOwnsFile(QStringLiteral("/usr/bin/l?")));  // a pattern to dpkg, not a file
    const TempFolder temp;
    EXPECT_FALSE(DpkgOwnsFile(temp.write(QStringLiteral("quorvane"), "#!/bin/sh\n")));
}
