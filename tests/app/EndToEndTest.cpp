// The built program on a real X server: started as a user starts it, driven from outside.
#include "TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// Sends the close request that a window's close box sends (Debian's python3-xlib, hence /usr/bin).
const char* const CloseBox = R"(
import sys
from Xlib import X, display, protocol
d = display.Display()
w = d.create_resource_object('window', int(sys.argv[1]))
message = protocol.event.ClientMessage(window=w, client_type=d.intern_atom('WM_PROTOCOLS'),
    data=(32, [d.intern_atom('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0]))
w.send_event(message, event_mask=X.NoEventMask)
d.flush()
)";

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(temp.path()).mkpath(QStringLiteral("config"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp.file(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
    }

    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }

    void start(const QStringList& arguments)
    {
        program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), arguments);
        ASSERT_TRUE(program.waitForStarted(10000));
    }

    // The program's visible windows called "Quorvane", once there are at least count of them.
    QStringList windows(int count)
    {
        QElapsedTimer waited;
        waited.start();
        QStringList found;
        while (waited.elapsed() < 20000) {
            found = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--pid"),
                                                    QString::number(program.processId()), QStringLiteral("--onlyvisible"),
                                                    QStringLiteral("--name"), QStringLiteral("^Quorvane$")})
                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (found.size() >= count)
                break;
            QTest::qWait(100);
        }
        return found;
    }

    static QString size(const QString& window)
    {
        const QString geometry = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), window});
        const qsizetype at = geometry.indexOf(QStringLiteral("Geometry: "));
        return at < 0 ? QString() : geometry.mid(at + 10).section(QLatin1Char('\n'), 0, 0);
    }

    static void pressCloseBox(const QString& window) { run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(CloseBox), window}); }

    bool ended()
    {
        return program.waitForFinished(15000) && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
    }

    QString setting(const QString& key)
    {
        QSettings stored(temp.file(QStringLiteral("config/Quorvane/Quorvane.conf")), QSettings::IniFormat);
        return stored.value(key).toString();
    }

    TempFolder temp;
    QProcess program;
};

const QByteArray Book = "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
} // namespace

TEST_F(EndToEnd, AFileOnTheCommandLineOpensStraightIntoTheMainWindow)
{
    const QString book = temp.write(QStringLiteral("Garden Basics.qvn"), Book);
    start({book});
    QStringList shown = windows(1);
    ASSERT_EQ(shown.size(), 1);
    QTest::qWait(500);
    shown = windows(1);
    ASSERT_EQ(shown.size(), 1) << "a start dialog showed as well";
    EXPECT_EQ(size(shown.front()), QStringLiteral("994x747"));

    // The Close button of the top bar.
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), shown.front(),
                                    QStringLiteral("958"), QStringLiteral("32"), QStringLiteral("click"), QStringLiteral("1")});
    EXPECT_TRUE(ended());
    EXPECT_EQ(setting(QStringLiteral("RecentFile")), QStringLiteral("Garden Basics.qvn"));
    EXPECT_FALSE(setting(QStringLiteral("WindowLeft")).isEmpty());
}

TEST_F(EndToEnd, FirstRunWithoutAFileOffersTheStartDialogAndItsCloseBoxEndsTheProgram)
{
    start({});
    const QStringList shown = windows(2);
    ASSERT_EQ(shown.size(), 2);
    QString dialog;
    for (const QString& window : shown) {
        if (size(window) != QStringLiteral("994x747"))
            dialog = window;
    }
    ASSERT_FALSE(dialog.isEmpty());
    pressCloseBox(dialog);
    EXPECT_TRUE(ended());
}

TEST_F(EndToEnd, ClosingWithChangesAsksToSave)
{
    const QString book = temp.write(QStringLiteral("Garden Basics.qvn"), Book);
    start({book});
    const QStringList shown = windows(1);
    ASSERT_EQ(shown.size(), 1);
    const QString main = shown.front();
    // Type into the headline box, then close the window by its close box.
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), main, QStringLiteral("400"),
                                    QStringLiteral("136"), QStringLiteral("click"), QStringLiteral("1")});
    run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), QStringLiteral("!")});
    pressCloseBox(main);

    const QStringList withPrompt = windows(2);
    ASSERT_EQ(withPrompt.size(), 2) << "no question about saving";
    // Answer No: the program ends and the file stays as it was.
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("n")});
    EXPECT_TRUE(ended());
    EXPECT_EQ(TempFolder::read(book), Book);
}
