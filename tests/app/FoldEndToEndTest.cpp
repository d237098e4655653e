// The fold in the built program, as an author and a screen-reader user meet it: the preview's
// "Read more" with the rest dimmed, the rule in the box and the length line, and the fold moving
// on as the author shortens the opening remarks.
#include "TempFolder.h"
#include "WindowManager.h"
#include "Xdotool.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace {
struct Node {
    QString role, name, description;
    QRect box;
};

// The first object of that role whose name matches, once a screen reader sees it.
Node find(const QProcessEnvironment& environment, qint64 pid, const QString& role, const QString& pattern)
{
    const QRegularExpression name(QRegularExpression::anchoredPattern(pattern));
    Node found;
    (void)QTest::qWaitFor([&] {
        const QString json = runProgram(QStringLiteral(QUORVANE_SYSTEM_PYTHON),
                                        {QStringLiteral(QUORVANE_ATSPI_TREE), QString::number(pid)}, environment, 60000);
        for (const QJsonValue& value : QJsonDocument::fromJson(json.toUtf8()).array()) {
            const QJsonObject node = value.toObject();
            const QJsonArray box = node["box"].toArray();
            if (node["role"].toString() == role && name.match(node["name"].toString()).hasMatch()) {
                found = {role, node["name"].toString(), node["description"].toString(),
                         QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt())};
                return true;
            }
        }
        return false;
    }, 30000);
    return found;
}

QImage shot(const QRect& area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

// Rows of the area that hold the rule's orange.
int ruleRows(const QRect& area)
{
    const QImage image = shot(area);
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 100 && c.green() < 145 && c.blue() < 60) {
                ++rows;
                break;
            }
        }
    return rows;
}

// What the screen shows once it has caught up with the program: a loaded machine paints late.
bool settled(const std::function<bool()>& shows)
{
    return QTest::qWaitFor(shows, 15000);
}

// The darkest grey of the area's text.
int darkest(const QRect& area)
{
    const QImage image = shot(area);
    int least = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            least = std::min(least, qGray(image.pixel(x, y)));
    return least;
}
} // namespace

TEST(FoldEndToEnd, ReadMoreInThePreviewTheRuleInTheBoxAndTheFoldMovingOnAsTheAuthorTypes)
{
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(bus.waitForReadyRead(10000));
    WindowManager windowManager;
    ASSERT_TRUE(windowManager.isUp());
    TempFolder temp;
    QByteArray opening = QByteArray("Most gardens waste half their space on paths and on plants that never pay back. ").repeated(14);
    QByteArray benefits = "Beds that feed a family";
    for (int i = 2; i <= 14; ++i)
        benefits += "<BR>Benefit number " + QByteArray::number(i);
    const QString book = temp.write(QStringLiteral("Garden.qvn"), "[[[QVN FILE]]]Garden\r\nGrow More Food\r\nA plan\r\n" + opening
                                    + "\r\nWhat you will learn\r\n" + benefits + "\r\nStart now.\r\nBuy it.\r\nOrder it.\r\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
        environment.insert(QLatin1String(folder), temp.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(bus.readLine()).trimmed());
    environment.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), {book});
    const QString main = windowsShown(QStringLiteral("^Quorvane$"), program.processId()).value(0);
    ASSERT_FALSE(main.isEmpty());
    const QRect client = windowGeometry(main);
    const QRect openingBox = QRect(27, 220, 942, 91).translated(client.topLeft());
    const QRect benefitsBox = QRect(27, 392, 942, 120).translated(client.topLeft());

    // The editor: the length line names the opening remarks, and the rule lies in their box only.
    EXPECT_FALSE(find(environment, program.processId(), "label", ".*fold in OPENING REMARKS, line \\d+").name.isEmpty());
    EXPECT_TRUE(settled([&] { return ruleRows(openingBox) > 0 && ruleRows(benefitsBox) == 0; }))
        << ruleRows(openingBox) << " " << ruleRows(benefitsBox);

    // The preview: "Read more" after the opening remarks' first lines, telling what stands above it.
    clickAt(main, 600, 19);
    const QString preview = windowsShown(QStringLiteral("^Preview$"), 0, 30000).value(0);
    ASSERT_FALSE(preview.isEmpty());
    const qint64 previewPid = xdotool({"getwindowpid", preview}).value(0).trimmed().toLongLong();
    const Node more = find(environment, previewPid, "heading", "Read more");
    ASSERT_EQ(more.name, "Read more");
    EXPECT_TRUE(QRegularExpression("Above the fold on the desktop page: the headline, the sub-headline and \\d+ characters "
                                   "of the opening remarks\\.").match(more.description).hasMatch()) << more.description.toStdString();
    // Black text above it; below, the same text set back in grey.
    const QRect page = windowGeometry(preview);
    const QRect above(page.x() + 40, more.box.y() - 60, 600, 50), below(page.x() + 40, more.box.bottom() + 8, 600, 60);
    EXPECT_TRUE(settled([&] { return darkest(above) < 60 && darkest(below) > 120 && darkest(below) < 230; }))
        << "above " << darkest(above) << ", below " << darkest(below) << " (text below the fold still shows under 230)";
    pressKeys(preview, {QStringLiteral("Escape")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowsNamed(QStringLiteral("^Preview$")).isEmpty(); }, 30000));

    // Short first boxes: the fold moves on into the benefits, in the box and on the length line.
    // The main window takes the keyboard back once the preview has gone; a slow build does that
    // late, so the click into the opening remarks waits for it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return xdotool({QStringLiteral("getactivewindow")}).value(0).trimmed() == main; }, 15000));
    QTest::qWait(1000);
    clickAt(main, 300, 250);
    pressKeys(main, {QStringLiteral("ctrl+a")});
    typeText(main, QStringLiteral("Start small."));
    EXPECT_FALSE(find(environment, program.processId(), "label", ".*fold in MAIN BENEFITS, line \\d+").name.isEmpty());
    EXPECT_TRUE(settled([&] { return ruleRows(openingBox) == 0 && ruleRows(benefitsBox) > 0; }))
        << ruleRows(openingBox) << " " << ruleRows(benefitsBox);

    program.kill();
    program.waitForFinished(10000);
    bus.terminate();
    bus.waitForFinished(10000);
}
