// The built program's update check on a real X server: the signed version text fetched by one
// start is offered at the next, an installer not signed with the program's own key is
// refused, and the helper does not outlive a killed editor.
#include "LocalHttpServer.h"
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "TestSigningKey.h"
#include "Xdotool.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>

#include <algorithm>

#include <gtest/gtest.h>

namespace {
class Program {
public:
    Program(const TempFolder& temp, const QUrl& versionUrl, const QString& book, const QByteArray& publicKey)
    {
        QProcessEnvironment environment = EditorEnvironment(temp.path());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), temp.file(QStringLiteral("cache")));
        environment.insert(QStringLiteral("QUORVANE_UPDATE_URL"), versionUrl.toString());
        environment.insert(QStringLiteral("QUORVANE_UPDATE_PUBLIC_KEY"), QString::fromLatin1(publicKey.toBase64()));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), {book});
    }

    // The visible windows with that title, once there are `count` of them (-1: as they are now).
    QStringList windows(const QString& title, int count)
    {
        QStringList found;
        for (int tries = 0; tries < 300 && (found = windowsNamed(wholeTitle(title), process.processId())).size() != count && count >= 0; ++tries)
            QTest::qWait(100);  // the test's own server answers meanwhile
        return found;
    }
    // A visible window of the program with that title, of that size or (with `other`) of none of those sizes.
    QString window(const QString& title, const QStringList& sizes, bool other = false)
    {
        for (int tries = 0; tries < 300; ++tries) {
            for (const QString& id : windows(title, -1)) {
                const QSize size = windowGeometry(id).size();
                const bool listed = sizes.contains(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
                if (listed != other)
                    return id;
            }
            QTest::qWait(100);
        }
        return {};
    }
    void press(const QString& window, const QString& key) { pressKeys(window, {key}); }
    // Presses the key on that window until it goes: a slow start (as under the sanitizers) can
    // show a window a moment before it takes keys.
    void pressUntilGone(const QString& window, const QString& title, const QString& key)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            press(window, key);
            for (int wait = 0; wait < 30; ++wait) {
                if (!windows(title, -1).contains(window))
                    return;
                QTest::qWait(100);
            }
        }
    }
    bool closedNormally()
    {
        const QStringList main = windows(QStringLiteral("Quorvane"), 1);
        if (main.size() != 1)
            return false;
        return closedWithTheCloseButton(process, main.front());
    }

    QProcess process;  // killed on destruction, should a check stop the test early
};
} // namespace

TEST(UpdateEndToEnd, TheNextStartOffersTheFetchedReleaseAndRefusesAnInstallerSignedByAnotherKey)
{
    TempFolder temp;
    QDir(temp.path()).mkpath(QStringLiteral("config"));
    const QString book = temp.write(QStringLiteral("Book.qvn"), "[[[QVN FILE]]]Book\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    const QString cached = temp.file(QStringLiteral("cache/Quorvane/latestversion.txt"));
    const QString marker = temp.file(QStringLiteral("installed"));
    const QByteArray installer = "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n";
    const TestSigningKey key;
    const TestSigningKey otherKey;

    LocalHttpServer server;
    const QByteArray text = "qvnlatestversion:1.5:0:Faster saving.\n";
    server.route(QStringLiteral("/qvnlatestversion.txt"), {text});
    server.route(QStringLiteral("/qvnlatestversion.txt.sig"), {key.sign(text)});
    server.route(QStringLiteral("/downloads/Quorvane_Update.run"), {installer});
    server.route(QStringLiteral("/downloads/Quorvane_Update.run.sig"), {otherKey.signInstaller(installer, "1.5", "0")});
    const QUrl versionUrl = server.url(QStringLiteral("/qvnlatestversion.txt"));

    // First start: nothing kept yet, so nothing offered; the text is fetched for the next one.
    {
        Program first(temp, versionUrl, book, key.publicKey());
        ASSERT_EQ(first.windows(QStringLiteral("Quorvane"), 1).size(), 1);
        QTest::qWaitFor([&] { return QFile::exists(cached); }, 30000);
        EXPECT_EQ(TempFolder::read(cached), text);
        EXPECT_EQ(first.windows(QStringLiteral("Quorvane"), 1).size(), 1) << "offered at the first start";
        EXPECT_TRUE(first.closedNormally());
    }

    // Second start: the prompt, the notes, the download; the installer is refused and the
    // program goes on with the file from its command line.
    Program second(temp, versionUrl, book, key.publicKey());
    const QString mainWindow = QStringLiteral("994x747");
    // The prompt by its size: a slowly starting main window can show a passing size first.
    const QString prompt = second.window(QStringLiteral("Quorvane"), {QStringLiteral("288x86")});
    ASSERT_FALSE(prompt.isEmpty()) << "no update prompt";
    second.pressUntilGone(prompt, QStringLiteral("Quorvane"), QStringLiteral("Return"));
    const QString notes = second.window(QStringLiteral("Update Available"), {QStringLiteral("422x304")});
    ASSERT_FALSE(notes.isEmpty()) << "no notes window";
    second.pressUntilGone(notes, QStringLiteral("Update Available"), QStringLiteral("Return"));
    // Past the progress window, the message about the refused installer.
    const QString refused = second.window(QStringLiteral("Quorvane"), {mainWindow, QStringLiteral("303x82")}, true);
    ASSERT_FALSE(refused.isEmpty()) << "no message about the failed download";
    EXPECT_TRUE(server.requests().last().startsWith("GET /downloads/Quorvane_Update.run.sig "));
    second.pressUntilGone(refused, QStringLiteral("Quorvane"), QStringLiteral("Return"));
    EXPECT_TRUE(second.closedNormally());
    EXPECT_FALSE(QFile::exists(marker));
}

TEST(UpdateEndToEnd, TheHelperEndsWhenTheEditorIsKilled)
{
    TempFolder temp;
    QDir(temp.path()).mkpath(QStringLiteral("config"));
    const QString book = temp.write(QStringLiteral("Book.qvn"), "[[[QVN FILE]]]Book\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    LocalHttpServer server;
    server.route(QStringLiteral("/qvnlatestversion.txt"), {{}, 200, -1, true});  // takes the request, never answers
    const TestSigningKey key;

    Program editor(temp, server.url(QStringLiteral("/qvnlatestversion.txt")), book, key.publicKey());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests().isEmpty(); }, 30000))
        << "the helper never asked for the version text";
    ASSERT_EQ(server.openConnections(), 1);

    ::kill(static_cast<pid_t>(editor.process.processId()), SIGKILL);
    ASSERT_TRUE(editor.process.waitForFinished(10000));
    // The helper's connection closes with it; left alone it would wait out its 30 s window.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 10000));
}
