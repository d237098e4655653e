// The built program on a real X server: a misspelled word typed into a section box is
// underlined in red on screen, correct prose with markup is not, and the first suggestion of
// the context menu, opened by key and by mouse, replaces the word.
#include "SpellDictionary.h"
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// The red of the marks, smoothed against the white, among grey text.
bool red(QRgb pixel)
{
    return qRed(pixel) > 200 && qRed(pixel) - qGreen(pixel) > 60 && qRed(pixel) - qBlue(pixel) > 60;
}

// The red pixels of an area of the screen.
QList<QPoint> redPixels(const QRect& area)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    QList<QPoint> found;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (red(shot.pixel(x, y)))
                found.append(QPoint(x, y));
        }
    }
    return found;
}

bool spellingLibraryLoaded(qint64 pid)
{
    return TempFolder::read(QStringLiteral("/proc/%1/maps").arg(pid)).contains("libenchant");
}
} // namespace

TEST(SpellingEndToEnd, AMisspelledWordIsUnderlinedInRedAndItsFirstSuggestionReplacesIt)
{
    TempFolder temp;
    QDir(temp.path()).mkpath(QStringLiteral("config"));
    const QString file = temp.write(QStringLiteral("Spelling.qvn"), "[[[QVN FILE]]]Spelling\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    QProcessEnvironment environment = EditorEnvironment(temp.path());
    environment.insert(QStringLiteral("HOME"), temp.path());
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));  // no language named: English (US)
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), {file});
    ASSERT_TRUE(program.waitForStarted(10000));
    const QStringList shown = windowsShown(QStringLiteral("^Quorvane$"), program.processId());
    ASSERT_EQ(shown.size(), 1);
    const QString window = shown.front();
    QTest::qWait(300);
    // Empty boxes have nothing to check: the spelling library is not even loaded yet.
    EXPECT_FALSE(spellingLibraryLoaded(program.processId()));

    // The opening remarks box: 405, 3300 twips, 942 by 91 pixels; two lines typed into it.
    const QRect place = windowGeometry(window);
    ASSERT_FALSE(place.isNull());
    const QRect box(place.x() + 27, place.y() + 220, 942 - 20, 91);
    clickAt(window, 400, 250);
    xdotool({"type", "--delay", "15", "A mispeled word"});
    xdotool({"key", "Return"});
    xdotool({"type", "--delay", "15", "<b>Good</b> words &amp; more at www.example.com"});

    QList<QPoint> marks;
    for (int tries = 0; tries < 100 && marks.isEmpty(); ++tries) {
        QTest::qWait(100);
        marks = redPixels(box);
    }
    ASSERT_FALSE(marks.isEmpty()) << "no red underline on screen";
    EXPECT_TRUE(spellingLibraryLoaded(program.processId()));
    // Under the first line's second word only: the markup line below stays unmarked.
    int left = box.width(), right = 0, top = box.height(), bottom = 0;
    for (const QPoint& p : marks) {
        left = std::min(left, p.x()), right = std::max(right, p.x());
        top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
    }
    EXPECT_GT(left, 8);
    EXPECT_LT(right, 120);
    EXPECT_LT(bottom, 20) << "red below the first line";
    EXPECT_GE(right - left, 40);

    const std::unique_ptr<SpellDictionary> dictionary = SpellDictionary::open(QStringLiteral("en_US"));
    ASSERT_NE(dictionary, nullptr);
    const QString first = dictionary->suggest(QStringLiteral("mispeled"), 5).value(0);
    ASSERT_FALSE(first.isEmpty());
    const auto savedRemarks = [&] {
        xdotool({"key", "ctrl+s"});
        QTest::qWait(500);
        return QString::fromLatin1(TempFolder::read(file).split('\n').value(3)).trimmed();
    };
    const QString after = "A " + first + " word<BR><b>Good</b> words &amp; more at www.example.com";

    // By keyboard: the cursor into the word, the Menu key, the first entry.
    xdotool({"key", "ctrl+Home", "Right", "Right", "Right", "Menu"});
    QTest::qWait(400);
    xdotool({"key", "Down", "Return"});
    QTest::qWait(300);
    EXPECT_EQ(savedRemarks(), after);
    xdotool({"key", "ctrl+z"});
    EXPECT_EQ(savedRemarks(), QStringLiteral("A mispeled word<BR><b>Good</b> words &amp; more at www.example.com"));

    // By mouse: a right click on the underlined word.
    QTest::qWait(300);
    xdotool({"mousemove", QString::number(box.x() + (left + right) / 2), QString::number(box.y() + top - 5), "click", "3"});
    QTest::qWait(400);
    xdotool({"key", "Down", "Return"});
    QTest::qWait(300);
    EXPECT_EQ(savedRemarks(), after);

    // A one-line box: the headline (405, 1860 twips, 942 by 26 pixels), typed into at its end.
    // The wavy line lies under the misspelled last word, with the cursor after it and at the start.
    const QRect headline(box.x(), box.y() - 96, 942 - 20, 26);
    xdotool({"mousemove", "--window", window, "400", "136", "click", "1"});
    xdotool({"type", "--delay", "15", "Fine words headlin"});
    for (const char* cursorKey : {"End", "Home"}) {
        SCOPED_TRACE(cursorKey);
        xdotool({"key", cursorKey});
        // The headline's text is orange: red has no green and blue, orange far more green than blue.
        int left = headline.width(), right = 0, textLeft = headline.width(), textRight = 0;
        for (int tries = 0; tries < 50 && right == 0; ++tries) {
            QTest::qWait(100);
            const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, headline.x(), headline.y(), headline.width(), headline.height()).toImage();
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = 0; x < shot.width(); ++x) {
                    const QRgb p = shot.pixel(x, y);
                    if (qRed(p) > 200 && qGreen(p) < 110 && qBlue(p) < 110)
                        left = std::min(left, x), right = std::max(right, x);
                    else if (qRed(p) > 200 && qGreen(p) - qBlue(p) > 60)
                        textLeft = std::min(textLeft, x), textRight = std::max(textRight, x);
                }
            }
        }
        ASSERT_GT(right, 0) << "no red underline in the headline";
        EXPECT_GT(left, textLeft + (textRight - textLeft) / 2) << "red under the first words";
        EXPECT_NEAR(right, textRight, 4) << "red not ending with the last word";
    }
    xdotool({"key", "ctrl+s"});
    QTest::qWait(500);

    EXPECT_TRUE(closedWithTheCloseButton(program, window));
}
