// The built update helper against a local HTTP server, and its signature check.
#include "InstallerSignature.h"
#include "LocalHttpServer.h"
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

class UpdateHelper : public ::testing::Test {
protected:
    HelperRun fetchVersionText(const QUrl& url)
    {
        return runHelper({UpdateHelperProtocol::VersionTextCommand(), url.toString(), cacheFile()});
    }
    HelperRun fetchInstaller(const QUrl& from, const QByteArray& publicKey)
    {
        return runHelper({UpdateHelperProtocol::InstallerCommand(), from.toString(), from.toString() + ".sig",
                          downloads(), QString::fromLatin1(publicKey.toBase64())});
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
}

TEST_F(UpdateHelper, VersionTextReplacesTheCacheOnlyWhenItArrivedWhole)
{
    const QByteArray text = "qvnlatestversion:1.5:0:Caf\xc3\xa9: notes.";
    server.route(QStringLiteral("/v.txt"), {text});
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
        EXPECT_EQ(QDir(QFileInfo(cacheFile()).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST_F(UpdateHelper, InstallerIsKeptOnlyWholeAndSignedAndOnlyForThisUser)
{
    const QByteArray program = "#!/bin/sh\necho installing\n";
    server.route(QStringLiteral("/downloads/Setup.run"), {program});
    server.route(QStringLiteral("/downloads/Setup.run.sig"), {key.sign(program)});
    const QUrl from = server.url(QStringLiteral("/downloads/Setup.run"));

    const HelperRun good = fetchInstaller(from, key.publicKey());
    EXPECT_EQ(good.exitCode, 0) << qPrintable(good.reason);
    const QString installer = QDir(downloads()).filePath(QStringLiteral("Setup.run"));
    EXPECT_EQ(TempFolder::read(installer), program);
    EXPECT_EQ(QFileInfo(installer).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& name : downloaded())
        QFile::remove(QDir(downloads()).filePath(name));

    // Another key, then a truncated installer, then no signature at all: nothing is left.
    EXPECT_EQ(fetchInstaller(from, TestSigningKey().publicKey()).exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(downloaded().isEmpty());
    EXPECT_EQ(fetchInstaller(from, {}).exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(downloaded().isEmpty());
    server.route(QStringLiteral("/downloads/Setup.run"), {program.left(10), 200, program.size()});
    const HelperRun truncated = fetchInstaller(from, key.publicKey());
    EXPECT_TRUE(truncated.exitCode == UpdateHelperProtocol::Failed && !truncated.reason.isEmpty());
    EXPECT_TRUE(downloaded().isEmpty());
    server.route(QStringLiteral("/downloads/Setup.run"), {program});
    server.route(QStringLiteral("/downloads/Setup.run.sig"), {"gone", 404});
    const HelperRun unsigned_ = fetchInstaller(from, key.publicKey());
    EXPECT_EQ(unsigned_.exitCode, UpdateHelperProtocol::Failed);
    EXPECT_TRUE(unsigned_.reason.contains(QStringLiteral("HTTP status 404"))) << qPrintable(unsigned_.reason);
    EXPECT_TRUE(downloaded().isEmpty());
}

TEST_F(UpdateHelper, RefusesIncompleteOrRelativeArguments)
{
    for (const QStringList& args : {QStringList{}, QStringList{QStringLiteral("version-text"), QStringLiteral("x")},
                                    QStringList{QStringLiteral("version-text"), QStringLiteral("/relative"), cacheFile()},
                                    QStringList{QStringLiteral("installer"), QStringLiteral("http://h/a"),
                                                QStringLiteral("http://h/a.sig"), QString(), QStringLiteral("k")},
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
