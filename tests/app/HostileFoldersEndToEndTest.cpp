// The built program on a real X server with links and FIFOs in its own cache, state and
// settings folders: it marks, saves and closes as usual, and nothing outside them changes.
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
bool anyRed(const QRect& area)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y);
            if (qRed(p) > 200 && qRed(p) - qGreen(p) > 60 && qRed(p) - qBlue(p) > 60)
                return true;
        }
    }
    return false;
}

mode_t modeOf(const QString& path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

bool fifo(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}
// The built program with the book, its own folders in temp, the main window once it shows.
struct Editor {
    Editor(const TempFolder& temp, const QString& book, const QMap<QString, QString>& more = {})
    {
        QProcessEnvironment environment = EditorEnvironment(temp.path());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), temp.file(QStringLiteral("cache")));
        environment.insert(QStringLiteral("HOME"), temp.path());
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        for (auto i = more.cbegin(); i != more.cend(); ++i)
            environment.insert(i.key(), i.value());
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), {book});
        // The splash screen comes first and goes: only the main window is typed into.
        window = windowsShown(wholeTitle(QStringLiteral("Quorvane")), program.processId()).value(0);
        QTest::qWait(300);
    }
    // Types into the opening remarks and saves.
    bool typeAndSave(const QString& book, int pauseMs)
    {
        clickAt(window, 400, 250);
        typeText(window, QStringLiteral("A mispeled word"), 15);
        QTest::qWait(pauseMs);
        pressKeys(window, {QStringLiteral("ctrl+s")});
        return QTest::qWaitFor([&] { return TempFolder::read(book).contains("mispeled"); }, 5000);
    }
    bool closeEnds() { return closedWithTheCloseButton(program, window); }
    QProcess program;
    QString window;
};

const QByteArray EmptyBook = "[[[QVN FILE]]]Book\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
} // namespace

TEST(HostileFoldersEndToEnd, LinksAndFifosInTheProgramsOwnFoldersHarmNothingAndCloseEndsIt)
{
    TempFolder temp;
    const QString user = temp.file(QStringLiteral("user"));
    const QString shared = temp.file(QStringLiteral("shared"));
    QDir().mkpath(user);
    QDir().mkpath(shared);
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString manuscript = temp.write(QStringLiteral("user/manuscript.qvn"), "mine");
    const QString book = temp.write(QStringLiteral("book.qvn"), EmptyBook);

    // An installer folder that leads to the user's, a FIFO for the cached version text and for
    // the personal word list, a recovery folder that leads to a shared one.
    QDir().mkpath(temp.file(QStringLiteral("cache/Quorvane")));
    QDir().mkpath(temp.file(QStringLiteral("state/Quorvane")));
    const QString installer = temp.file(QStringLiteral("cache/Quorvane/installer-Ab12Cd"));
    ASSERT_TRUE(QFile::link(user, installer));
    ASSERT_TRUE(fifo(temp.file(QStringLiteral("cache/Quorvane/latestversion.txt"))));
    ASSERT_TRUE(fifo(temp.file(QStringLiteral("config/enchant/en_US.dic"))));
    ASSERT_TRUE(QFile::link(shared, temp.file(QStringLiteral("state/Quorvane/recovery"))));

    // An update key and an address nobody answers at: the cached text is read at start.
    Editor editor(temp, book, {{"QUORVANE_UPDATE_URL", "http://127.0.0.1:9/qvnlatestversion.txt"},
                               {"QUORVANE_UPDATE_PUBLIC_KEY", QString::fromLatin1(QByteArray(32, '\1').toBase64())}});
    ASSERT_FALSE(editor.window.isEmpty());

    // The ordinary words are marked although the personal word list never comes.
    ASSERT_TRUE(isMainWindow(editor.window));
    const QPoint place = windowGeometry(editor.window).topLeft();
    const QRect box(place.x() + 27, place.y() + 220, 942 - 20, 91);
    // A recovery copy falls due two seconds after typing stops; then the book is saved.
    EXPECT_TRUE(editor.typeAndSave(book, 2500));
    EXPECT_TRUE(QTest::qWaitFor([&] { return anyRed(box); }, 10000)) << "no red underline: the window is held";
    EXPECT_TRUE(editor.closeEnds()) << "Close did not end the program";
    const QByteArray errors = editor.program.readAllStandardError();
    EXPECT_TRUE(errors.contains("en_US.dic: not a regular file")) << errors.toStdString();

    EXPECT_EQ(TempFolder::read(manuscript), "mine");
    EXPECT_FALSE(QFileInfo(installer).isSymLink());
    EXPECT_EQ(modeOf(shared), 01777u);
    EXPECT_TRUE(QDir(shared).isEmpty());
}

// The spelling library may wait on a file of its own (an engine's personal list in the home
// folder): the window does not, and Close still ends the program.
TEST(HostileFoldersEndToEnd, ALoaderHeldInTheSpellingLibraryDoesNotHoldClose)
{
    TempFolder temp;
    const QString book = temp.write(QStringLiteral("book.qvn"), EmptyBook);
    for (const char* name : {".aspell.conf", ".aspell.en.per"})
        ASSERT_TRUE(fifo(temp.file(QString::fromLatin1(name))));
    Editor editor(temp, book);
    ASSERT_TRUE(isMainWindow(editor.window));
    EXPECT_TRUE(editor.typeAndSave(book, 1000)) << "the window is held";
    EXPECT_TRUE(editor.closeEnds()) << "Close did not end the program";
}
