// The built update helper against a local HTTP server, and its signature check.
#include "HttpDownload.h"
#include "InstallerSignature.h"
#include "LocalHttpServer.h"
#include "LowSpeedRule.h"
#include "ReleaseSerial.h"
#include "TempFolder.h"
#include "TestSigningKey.h"
#include "UpdateHelperProtocol.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct HelperRun { int exitCode = -1; QString reason; };

// Runs the helper to its end while this thread keeps serving the local server.
HelperRun runHelper(const QStringList& arguments)
{
    QProcess helper;
    helper.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QLatin1Char('/') + UpdateHelperProtocol::HelperFileName(),
                 arguments);
    EXPECT_TRUE(helper.waitForStarted(30000)) << qPrintable(helper.errorString());
    QTest::qWaitFor([&] { return helper.state() == QProcess::NotRunning; }, 120000);
    EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
    return {helper.exitCode(), QString::fromUtf8(helper.readAllStandardOutput()).trimmed()};
}

// The low-speed window, shortened so that slow servers fail within seconds.
constexpr int WindowMs = 3000;

class UpdateHelper : public ::testing::Test {
protected:
    UpdateHelper() { qputenv("QUORVANE_UPDATE_WINDOW_MS", QByteArray::number(WindowMs)); }
    ~UpdateHelper() override { qunsetenv("QUORVANE_UPDATE_WINDOW_MS"); }

    HelperRun fetchVersionText(const QUrl& url)
    {
        return runHelper({UpdateHelperProtocol::VersionTextCommand(), url.toString(), cacheFile(),
                          QString::fromLatin1(key.publicKey().toBase64())});
    }
    // Serves the text signed, under the key or another one's.
    void publish(const QByteArray& text, const TestSigningKey& signer)
    {
        server.route(QStringLiteral("/v.txt"), {text});
        server.route(QStringLiteral("/v.txt.sig"), {signer.sign(text)});
    }
    HelperRun fetchInstaller(const QUrl& from, const QByteArray& publicKey, const char* serial = "7")
    {
        return runHelper({UpdateHelperProtocol::InstallerCommand(), from.toString(), from.toString() + ".sig",
                          downloads(), QString::fromLatin1(publicKey.toBase64()), QStringLiteral("1.5"),
                          QString::fromLatin1(serial)});
    }
    QString cacheFile() const { return temp.file(QStringLiteral("cache/Quorvane/latestversion.txt")); }
    QString downloads() const
    {
        QDir().mkpath(temp.file(QStringLiteral("downloads")));
        return temp.file(QStringLiteral("downloads"));
    }
    QStringList downloaded() const { return QDir(downloads()).entryList(QDir::Files | QDir::Hidden); }

    TempFolder temp;
    LocalHttpServer server;
    TestSigningKey key;
};
} // namespace

TEST(InstallerSignature, OnlyTheRightKeyOverTheExactBytes)
{
    const TestSigningKey key;
    const QByteArray installer = "#!/bin/sh\necho installing\n";
    const QByteArray signature = key.sign(installer);

    EXPECT_TRUE(VerifyEd25519Signature(key.publicKey(), installer, signature));
    EXPECT_FALSE(VerifyEd25519Signature(TestSigningKey().publicKey(), installer, signature));
    EXPECT_FALSE(VerifyEd25519Signature(key.publicKey(), installer.chopped(1), signature));
    EXPECT_FALSE(VerifyEd25519Signature(key.publicKey(), installer + '\n', signature));
    QByteArray flipped = signature;
    flipped[10] = static_cast<char>(flipped[10] ^ 1);
    EXPECT_FALSE(VerifyEd25519Signature(key.publicKey(), installer, flipped));
    EXPECT_FALSE(VerifyEd25519Signature({}, installer, signature));
    EXPECT_FALSE(VerifyEd25519Signature(key.publicKey(), installer, signature + '\n'));
    EXPECT_FALSE(VerifyEd25519Signature(key.publicKey(), installer, {}));

    const TempFolder temp;
    const QString file = temp.write(QStringLiteral("abc"), "abc");
    EXPECT_EQ(InstallerSigningText(QStringLiteral("1.5"), 7, FileSha256(file)),
              QByteArray("qvninstaller:1.5:7:ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}

TEST_F(UpdateHelper, VersionTextReplacesTheCacheOnlyWhenItArrivedWhole)
{
    const QByteArray text = "qvnlatestversion:1.5:0:Caf\xc3\xa9: notes.";
    publish(text, key);
    const HelperRun good = fetchVersionText(server.url(QStringLiteral("/v.txt")));
    EXPECT_EQ(good.exitCode, 0) << qPrintable(good.reason);
    EXPECT_EQ(TempFolder::read(cacheFile()), text);
    EXPECT_TRUE(server.requests().back().toLower().contains("cache-control: no-cache"));

    const struct {
        const char* name;
        LocalHttpServer::Response response;
        bool refused;
    } failures[] = {
        {"not found", {"gone", 404}, false},
        {"truncated", {"qvnlatestversion:1.6:0:cut", 200, 400}, false},
        {"too large", {QByteArray(100 * 1024, 'x')}, false},
        {"refused", {}, true},
        // A host that takes the request and never answers is given up on.
        {"never answers", {{}, 200, -1, true}, false},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.name);
        server.route(QStringLiteral("/v.txt"), f.response);
        const HelperRun run = fetchVersionText(f.refused ? LocalHttpServer::refusedUrl(QStringLiteral("/v.txt"))
                                                         : server.url(QStringLiteral("/v.txt")));
        EXPECT_EQ(run.exitCode, UpdateHelperProtocol::Failed);
        EXPECT_FALSE(run.reason.isEmpty());
        EXPECT_FALSE(run.reason.contains(QLatin1Char('\n')));
        EXPECT_EQ(TempFolder::read(cacheFile()), text);
        EXPECT_EQ(QDir(QFileInfo(cacheFile()).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
}

TEST_F(UpdateHelper, VersionTextIsKeptOnlySignedAndNeverBelowTheLastSerial)
{
    const QUrl url = server.url(QStringLiteral("/v.txt"));
    const QByteArray first = "qvnlatestversion:1.5:7:First notes.\n";
    publish(first, key);
    ASSERT_EQ(fetchVersionText(url).exitCode, 0);
    EXPECT_EQ(TempFolder::read(cacheFile()), first);
    EXPECT_EQ(ReadAcceptedSerial(cacheFile()), std::optional<qint64>(7));
    EXPECT_TRUE(server.requests().back().startsWith("GET /v.txt.sig "));

    const QByteArray older = "qvnlatestversion:1.3:6:An old release, well signed.";
    const struct {
        const char* name;
        QByteArray text;
        QByteArray signature;
    } refused[] = {
        {"unsigned", "qvnlatestversion:1.6:8:x", {}},
        {"another key", "qvnlatestversion:1.6:8:x", TestSigningKey().sign("qvnlatestversion:1.6:8:x")},
        {"other bytes", "qvnlatestversion:1.6:8:x", key.sign("qvnlatestversion:1.6:8:x\n")},
        {"lower serial", older, key.sign(older)},
        {"no serial", "qvnlatestversion:1.6:08:x", key.sign("qvnlatestversion:1.6:08:x")},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.name);
        server.route(QStringLiteral("/v.txt"), {r.text});
        server.route(QStringLiteral("/v.txt.sig"), r.signature.isEmpty() ? LocalHttpServer::Response{"no", 404}
                                                                         : LocalHttpServer::Response{r.signature});
        const HelperRun run = fetchVersionText(url);
        EXPECT_EQ(run.exitCode, UpdateHelperProtocol::Failed);
        EXPECT_FALSE(run.reason.isEmpty());
        EXPECT_EQ(TempFolder::read(cacheFile()), first);
        EXPECT_EQ(ReadAcceptedSerial(cacheFile()), std::optional<qint64>(7));
    }

    // The same serial is the same release; a higher one is the next. Either may name any version.
    for (const QByteArray& text : {QByteArray("qvnlatestversion:1.5:7:Notes corrected."),
                                   QByteArray("qvnlatestversion:1.4:8:Back to 1.4 on purpose.")}) {
        publish(text, key);
        EXPECT_EQ(fetchVersionText(url).exitCode, 0) << text.constData();
        EXPECT_EQ(TempFolder::read(cacheFile()), text);
    }
    EXPECT_EQ(ReadAcceptedSerial(cacheFile()), std::optional<qint64>(8));
}

TEST_F(UpdateHelper, SlowServersFailWithinTheWindowAndSteadyOnesDoNot)
{
    // A text that trickles in fails even though each window brings some of it.
    const QByteArray text = "qvnlatestversion:1.5:7:" + QByteArray(200, 'n');
    server.route(QStringLiteral("/v.txt"), {.body = text, .dripMs = 40});
    server.route(QStringLiteral("/v.txt.sig"), {key.sign(text)});
    const HelperRun drip = fetchVersionText(server.url(QStringLiteral("/v.txt")));
    EXPECT_EQ(drip.exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(drip.reason.startsWith(QStringLiteral("not whole within 3 s"))) << qPrintable(drip.reason);
    EXPECT_FALSE(QFile::exists(cacheFile()));

    // An installer at 250 bytes/s: well signed, and it would be whole after 20 s.
    const QByteArray program = "#!/bin/sh\n" + QByteArray(5000, '#');
    server.route(QStringLiteral("/downloads/Setup.run"), {.body = program, .dripMs = 40, .dripBytes = 10});
    server.route(QStringLiteral("/downloads/Setup.run.sig"), {key.signInstaller(program, "1.5", "7")});
    const QUrl from = server.url(QStringLiteral("/downloads/Setup.run"));
    const HelperRun slow = fetchInstaller(from, key.publicKey());
    EXPECT_EQ(slow.exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(slow.reason.startsWith(QStringLiteral("fewer than 1024 bytes in 3 s"))) << qPrintable(slow.reason);
    EXPECT_TRUE(downloaded().isEmpty());

    // 2 KiB every 200 ms for longer than a window is slow but steady: kept.
    const QByteArray steady = "#!/bin/sh\n" + QByteArray(2048 * 20, '#');
    server.route(QStringLiteral("/downloads/Setup.run"), {.body = steady, .dripMs = 200, .dripBytes = 2048});
    server.route(QStringLiteral("/downloads/Setup.run.sig"), {key.signInstaller(steady, "1.5", "7")});
    const HelperRun kept = fetchInstaller(from, key.publicKey());
    EXPECT_EQ(kept.exitCode, 0) << qPrintable(kept.reason);
    EXPECT_EQ(TempFolder::read(QDir(downloads()).filePath(QStringLiteral("Setup.run"))), steady);
}

// A download past the cap ends there, whether the server said how long it is or sends it in
// chunks; a body that only the closing connection ends is not taken at all.
TEST_F(UpdateHelper, ADownloadPastItsCapOrWithoutAnEndLeavesNothing)
{
    const QByteArray body(3 * 1024 * 1024, 'x');
    const QString file = temp.file(QStringLiteral("big"));
    const QUrl url = server.url(QStringLiteral("/big"));
    const struct {
        LocalHttpServer::Response response;
        qint64 cap;
        const char* fault;
    } cases[] = {
        {{.body = body}, 1024 * 1024, "more than 1048576 bytes"},
        {{.body = body, .chunked = true}, 1024 * 1024, "more than 1048576 bytes"},
        {{.body = "short", .sendLength = false}, 1024 * 1024, "no length and not chunked"},
        {{.body = body, .chunked = true}, body.size(), ""},
        {{.body = body}, body.size(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        server.route(QStringLiteral("/big"), c.response);
        EXPECT_EQ(HttpDownload::ToFile(url, file, {c.cap, WindowMs}), QLatin1String(c.fault));
        EXPECT_EQ(QFileInfo(file).size(), *c.fault ? 0 : body.size());
        QFile::remove(file);
    }
}

TEST(LowSpeedRule, FailsWhenAnyWindowHoldsLessThanTheMinimum)
{
    LowSpeedRule rule(30000, 1024);
    EXPECT_EQ(rule.deadline(), 30000);
    rule.arrived(10000, 1023);
    EXPECT_EQ(rule.deadline(), 30000);
    rule.arrived(20000, 1);
    EXPECT_EQ(rule.deadline(), 40000);  // until the first 1023 bytes leave the window
    rule.arrived(25000, 1023);
    EXPECT_EQ(rule.deadline(), 50000);  // 1 + 1023 still make 1024 once they have gone
    rule.arrived(26000, 1);
    EXPECT_EQ(rule.deadline(), 55000);
}

TEST_F(UpdateHelper, InstallerIsKeptOnlyWholeAndSignedAndOnlyForThisUser)
{
    const QByteArray program = "#!/bin/sh\necho installing\n";
    server.route(QStringLiteral("/downloads/Setup.run"), {program});
    server.route(QStringLiteral("/downloads/Setup.run.sig"), {key.signInstaller(program, "1.5", "7")});
    const QUrl from = server.url(QStringLiteral("/downloads/Setup.run"));

    const HelperRun good = fetchInstaller(from, key.publicKey());
    EXPECT_EQ(good.exitCode, 0) << qPrintable(good.reason);
    const QString installer = QDir(downloads()).filePath(QStringLiteral("Setup.run"));
    EXPECT_EQ(TempFolder::read(installer), program);
    EXPECT_EQ(QFileInfo(installer).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& name : downloaded())
        QFile::remove(QDir(downloads()).filePath(name));

    // Another release's serial, another key, then a truncated installer, then no signature
    // at all: nothing is left.
    EXPECT_EQ(fetchInstaller(from, key.publicKey(), "8").exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(downloaded().isEmpty());
    EXPECT_EQ(fetchInstaller(from, TestSigningKey().publicKey()).exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(downloaded().isEmpty());
    EXPECT_EQ(fetchInstaller(from, {}).exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(downloaded().isEmpty());
    server.route(QStringLiteral("/downloads/Setup.run"), {program.left(10), 200, program.size()});
    const HelperRun truncated = fetchInstaller(from, key.publicKey());
    EXPECT_TRUE(truncated.exitCode == UpdateHelperProtocol::Failed && !truncated.reason.isEmpty());
    EXPECT_TRUE(downloaded().isEmpty());
    server.route(QStringLiteral("/downloads/Setup.run"), {program});
    // Signed, but over its bytes alone: not bound to any release.
    server.route(QStringLiteral("/downloads/Setup.run.sig"), {key.sign(program)});
    const HelperRun bytesOnly = fetchInstaller(from, key.publicKey());
    EXPECT_EQ(bytesOnly.exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(bytesOnly.reason.contains(QStringLiteral("not valid for release 1.5 (7)"))) << qPrintable(bytesOnly.reason);
    EXPECT_TRUE(downloaded().isEmpty());
    server.route(QStringLiteral("/downloads/Setup.run.sig"), {"gone", 404});
    const HelperRun unsigned_ = fetchInstaller(from, key.publicKey());
    EXPECT_EQ(unsigned_.exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(unsigned_.reason.contains(QStringLiteral("HTTP status 404"))) << qPrintable(unsigned_.reason);
    EXPECT_TRUE(downloaded().isEmpty());
}

TEST_F(UpdateHelper, RefusesIncompleteOrRelativeArguments)
{
    for (const QStringList& args : {QStringList{}, QStringList{QStringLiteral("version-text"), QStringLiteral("x")},
                                    QStringList{QStringLiteral("version-text"), QStringLiteral("/relative"), cacheFile(),
                                                QStringLiteral("k")},
                                    QStringList{QStringLiteral("version-text"), QStringLiteral("http://h/a"), cacheFile()},
                                    QStringList{QStringLiteral("installer"), QStringLiteral("http://h/a"),
                                                QStringLiteral("http://h/a.sig"), QString(), QStringLiteral("k"),
                                                QStringLiteral("1.5"), QStringLiteral("7")},
                                    QStringList{QStringLiteral("installer"), QStringLiteral("http://h/a"),
                                                QStringLiteral("http://h/a.sig"), QStringLiteral("/tmp"),
                                                QStringLiteral("k"), QStringLiteral("1.5"), QStringLiteral("x")},
                                    QStringList{QStringLiteral("other")}}) {
        SCOPED_TRACE(qPrintable(args.join(QLatin1Char(' '))));
        EXPECT_EQ(runHelper(args).exitCode, UpdateHelperProtocol::BadArguments);
    }
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(QFile::exists(cacheFile()));
}

// The network and libcrypto stay out of the editor: only the helper maps them.
TEST(UpdateHelperLinks, OnlyTheHelperLinksTheNetworkAndCrypto)
{
    const auto libraries = [](const QString& program) {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {qEnvironmentVariable("QUORVANE_BIN_DIR") + QLatin1Char('/') + program});
        ldd.waitForFinished(30000);
        return QString::fromLocal8Bit(ldd.readAllStandardOutput());
    };
    const QString editor = libraries(QStringLiteral("quorvane"));
    ASSERT_TRUE(editor.contains(QStringLiteral("libQt6Widgets"))) << qPrintable(editor);
    EXPECT_FALSE(editor.contains(QStringLiteral("libQt6Network"))) << qPrintable(editor);
    EXPECT_FALSE(editor.contains(QStringLiteral("libcrypto"))) << qPrintable(editor);
    EXPECT_FALSE(editor.contains(QStringLiteral("libssl"))) << qPrintable(editor);

    const QString helper = libraries(UpdateHelperProtocol::HelperFileName());
    EXPECT_TRUE(helper.contains(QStringLiteral("libQt6Network")) && helper.contains(QStringLiteral("libcrypto.so")))
        << qPrintable(helper);
    EXPECT_FALSE(helper.contains(QStringLiteral("libQt6Gui")) || helper.contains(QStringLiteral("libQt6Widgets")))
        << qPrintable(helper);
}

// The publisher's script writes what the helper accepts.
TEST(SignRelease, WritesTheTextAndBothSignaturesForTheRelease)
{
    const TempFolder temp;
    const TestSigningKey key;
    const QString installer = temp.write(QStringLiteral("Quorvane_Update.run"), "#!/bin/sh\necho installing\n");
    const auto sign = [&](const char* serial) {
        QProcess script;
        script.setWorkingDirectory(temp.path());
        script.start(QStringLiteral("bash"), {QStringLiteral(QUORVANE_SOURCE_DIR "/scripts/sign-release.sh"),
                                              temp.write(QStringLiteral("key.pem"), key.privateKeyPem()),
                                              QStringLiteral("1.5"), QString::fromLatin1(serial), installer,
                                              QStringLiteral("Faster.[\\n]Safer: yes")});
        script.waitForFinished(60000);
        return std::make_pair(script.exitCode(), QString::fromUtf8(script.readAllStandardOutput()));
    };
    const auto [code, output] = sign("12");
    ASSERT_EQ(code, 0);
    const QByteArray text = TempFolder::read(temp.file(QStringLiteral("qvnlatestversion.txt")));
    EXPECT_EQ(text, QByteArray("qvnlatestversion:1.5:12:Faster.[\\n]Safer: yes"));
    EXPECT_TRUE(VerifyEd25519Signature(key.publicKey(), text,
                                       TempFolder::read(temp.file(QStringLiteral("qvnlatestversion.txt.sig")))));
    EXPECT_TRUE(VerifyEd25519Signature(key.publicKey(), InstallerSigningText(QStringLiteral("1.5"), 12, FileSha256(installer)),
                                       TempFolder::read(installer + QStringLiteral(".sig"))));
    EXPECT_TRUE(output.contains(QString::fromLatin1(key.publicKey().toBase64()))) << qPrintable(output);
    EXPECT_EQ(sign("012").first, 1);
}

// Links left in the cache in place of the text and its serial are replaced, not written through.
TEST_F(UpdateHelper, LinksInPlaceOfTheCachedTextAreReplacedAndWhatTheyNameStaysAsItWas)
{
    QDir().mkpath(QFileInfo(cacheFile()).absolutePath());
    const QString text = temp.write(QStringLiteral("notes.txt"), "the user's notes");
    const QString serial = temp.write(QStringLiteral("count.txt"), "12");
    ASSERT_TRUE(QFile::link(text, cacheFile()));
    ASSERT_TRUE(QFile::link(serial, AcceptedSerialFile(cacheFile())));
    const QByteArray published = "qvnlatestversion:1.5:3:notes";
    publish(published, key);
    const HelperRun run = fetchVersionText(server.url(QStringLiteral("/v.txt")));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.reason);
    EXPECT_EQ(TempFolder::read(text), "the user's notes");
    EXPECT_EQ(TempFolder::read(serial), "12");
    EXPECT_FALSE(QFileInfo(cacheFile()).isSymLink());
    EXPECT_EQ(TempFolder::read(cacheFile()), published);
    EXPECT_EQ(TempFolder::read(AcceptedSerialFile(cacheFile())), "3");
}
