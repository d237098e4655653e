// The version text, the notes box text and the installer's addresses.
#include "ReleaseSerial.h"
#include "TempFolder.h"
#include "UpdateDeployment.h"
#include "UpdateInstaller.h"
#include "UpdateSource.h"
#include "UpdateVersionText.h"
#include "VersionTextCache.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(UpdateVersionText, FieldsAndMarker)
{
    EXPECT_EQ(OwnVersionText(), QStringLiteral("1.4"));

    const struct {
        const char* text;
        const char* version;  // nullptr: the text names no release
        const char* notes;
        qint64 serial = 0;
    } cases[] = {
        {"qvnlatestversion:1.4:0:Bug fixes.", "1.4", "Bug fixes."},
        // Notes keep their colons; text around the marker belongs to the fields.
        {"qvnlatestversion:1.5:7:New: faster saving. Note: read me", "1.5", "New: faster saving. Note: read me", 7},
        // One line break at the very end is how editors save a file, not part of the notes.
        {"  qvnlatestversion:1.5:0:x\n", "  1.5", "x"},
        {"qvnlatestversion:1.5:0:x\r\n", "1.5", "x"},
        {"qvnlatestversion:1.5:0:x\n\n", "1.5", "x\n"},
        {"qvnlatestversion:1.5:0:x\r", "1.5", "x\r"},
        // Every marker with its colon goes, wherever it stands.
        {"qvnlatestversion:1.5:2:see qvnlatestversion:notes", "1.5", "see notes", 2},
        // The marker without its colon is enough to go on; then the first colon ends the version.
        {"qvnlatestversion 1.5:0:notes", "qvnlatestversion 1.5", "notes"},
        {"qvnlatestversion:1.5:18:", "1.5", "", 18},
        // The number is the release serial: plain decimal, or the text names no release.
        {"qvnlatestversion:1.5:abc:", nullptr, nullptr},
        {"qvnlatestversion:1.5:999999999999999999:x", "1.5", "x", 999999999999999999},
        {"qvnlatestversion:1.5:1000000000000000000:x", nullptr, nullptr},
        {"qvnlatestversion:1.5:07:x", nullptr, nullptr},
        {"qvnlatestversion:1.5: 7:x", nullptr, nullptr},
        {"qvnlatestversion:1.5:-7:x", nullptr, nullptr},
        {"QVNLATESTVERSION:1.5:0:notes", nullptr, nullptr},
        {"", nullptr, nullptr},
        {"1.5:0:notes", nullptr, nullptr},
        {"qvnlatestversion:1.5", nullptr, nullptr},
        {"qvnlatestversion:1.5:0", nullptr, nullptr},
        {"qvnlatestversion:1.5:0\n", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<UpdateOffer> offer = ReadVersionText(QString::fromLatin1(c.text));
        ASSERT_EQ(offer.has_value(), c.version != nullptr);
        if (offer) {
            EXPECT_EQ(offer->LatestVersion, QLatin1String(c.version));
            EXPECT_EQ(offer->UpdateNotes, QLatin1String(c.notes));
            EXPECT_EQ(offer->Serial, c.serial);
        }
    }
}

TEST(UpdateVersionText, AnyDifferentVersionIsAnUpdate)
{
    for (const char* version : {"1.5", "1.3", "1.40", "1.4 ", "01.4", "2.0"})
        EXPECT_TRUE(OffersUpdate({QString::fromLatin1(version), {}})) << version;
    EXPECT_FALSE(OffersUpdate({QStringLiteral("1.4"), 3, QStringLiteral("notes")}));
}

TEST(UpdateVersionText, NotesBoxShowsParagraphsThenTheInstruction)
{
    EXPECT_EQ(UpdateNotesBoxText(QStringLiteral("First sentence.[\\n]Second: sentence.")),
              QStringLiteral("First sentence.\r\n\r\nSecond: sentence.\r\n\r\n"
                             "Click 'Get Update' to close Quorvane and download the update."));
    // Only the four characters make a paragraph; a real line break stays as it is.
    EXPECT_EQ(UpdateNotesBoxText(QStringLiteral("a[n]b\\nc[\\n][\\n]")),
              QStringLiteral("a[n]b\\nc\r\n\r\n\r\n\r\n\r\n\r\nClick 'Get Update' to close Quorvane and download the update."));
}

TEST(UpdateSource, InstallerSitsInDownloadsOnTheSameHost)
{
    UpdateSource source;
    source.versionUrl = QUrl(QStringLiteral("http://example.invalid:8080/updates/qvnlatestversion.txt?x=1"));
    EXPECT_EQ(source.installerUrl(), QUrl(QStringLiteral("http://example.invalid:8080/downloads/Quorvane_Update.run")));
    EXPECT_EQ(source.signatureUrl(),
              QUrl(QStringLiteral("http://example.invalid:8080/downloads/Quorvane_Update.run.sig")));
}

TEST(UpdateSource, EnvironmentOverridesTheAddressAndEmptyTurnsTheCheckOff)
{
    qunsetenv("QUORVANE_UPDATE_URL");
    const UpdateSource built = DeployedUpdateSource();
    EXPECT_EQ(built.versionUrl.scheme(), QStringLiteral("https"));
    EXPECT_TRUE(built.cacheFile.endsWith(QStringLiteral("/Quorvane/latestversion.txt")));

    qputenv("QUORVANE_UPDATE_URL", "http://127.0.0.1:1234/v.txt");
    EXPECT_EQ(DeployedUpdateSource().versionUrl, QUrl(QStringLiteral("http://127.0.0.1:1234/v.txt")));
    qputenv("QUORVANE_UPDATE_URL", "");
    EXPECT_TRUE(DeployedUpdateSource().versionUrl.isEmpty());
    qputenv("QUORVANE_UPDATE_URL", "not an address");
    EXPECT_TRUE(DeployedUpdateSource().versionUrl.isEmpty());
    qunsetenv("QUORVANE_UPDATE_URL");
}

TEST(UpdateSource, OnlyAnAddressAndAWholeKeyMakeItUsable)
{
    UpdateSource source;
    source.versionUrl = QUrl(QStringLiteral("https://example.invalid/v.txt"));
    for (const int size : {31, 32, 33}) {
        source.publicKey = QByteArray(size, 'k');
        EXPECT_EQ(source.usable(), size == 32) << size;
    }
    source.versionUrl.clear();
    EXPECT_FALSE(source.usable());

    qputenv("QUORVANE_UPDATE_PUBLIC_KEY", QByteArray(32, 'k').toBase64());
    EXPECT_EQ(DeployedUpdateSource().publicKey, QByteArray(32, 'k'));
    qunsetenv("QUORVANE_UPDATE_PUBLIC_KEY");
    EXPECT_EQ(DeployedUpdateSource().publicKey, QByteArray::fromBase64(UpdateDeployment::PublicKey));
}

// A link named like an installer folder goes by itself; the folder it names is the user's.
TEST(UpdateCache, OldInstallerFoldersGoButALinkNamedLikeOneTakesNothingWithIt)
{
    const TempFolder temp;
    const UpdateSource source{{}, {}, temp.file(QStringLiteral("Quorvane/latestversion.txt"))};
    QDir().mkpath(temp.file(QStringLiteral("user")));
    temp.write(QStringLiteral("user/manuscript.qvn"), "mine");
    QDir().mkpath(source.cacheFolder() + QStringLiteral("/installer-Real01"));
    temp.write(QStringLiteral("Quorvane/installer-Real01/quorvane-setup"), "old");
    const QString link = source.cacheFolder() + QStringLiteral("/installer-Link01");
    ASSERT_TRUE(QFile::link(temp.file(QStringLiteral("user")), link));

    RemoveOldInstallers(source);
    EXPECT_EQ(TempFolder::read(temp.file(QStringLiteral("user/manuscript.qvn"))), "mine");
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(source.cacheFolder() + QStringLiteral("/installer-Real01")));
}

// The window's thread reads the cached text: a FIFO in its place or its serial's is passed over.
TEST(UpdateCache, AFifoInPlaceOfTheCachedTextOrItsSerialIsNotWaitedOn)
{
    const TempFolder temp;
    const UpdateSource source{{}, {}, temp.file(QStringLiteral("latestversion.txt"))};
    const QString serial = AcceptedSerialFile(source.cacheFile);
    temp.write(QStringLiteral("latestversion.serial"), "3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(source.cacheFile).constData(), 0600), 0);
    EXPECT_EQ(ReadCachedVersionText(source), QString());

    QFile::remove(source.cacheFile);
    QFile::remove(serial);
    temp.write(QStringLiteral("latestversion.txt"), "qvnlatestversion:1.5:3:notes");
    ASSERT_EQ(::mkfifo(QFile::encodeName(serial).constData(), 0600), 0);
    EXPECT_EQ(ReadCachedVersionText(source), QString());
    QFile::remove(serial);
    temp.write(QStringLiteral("latestversion.serial"), "3");
    EXPECT_EQ(ReadCachedVersionText(source), QStringLiteral("qvnlatestversion:1.5:3:notes"));
}
