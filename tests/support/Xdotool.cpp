#include "Xdotool.h"

#include <QDeadlineTimer>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

QString runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment, int msecs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(msecs);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList xdotool(const QStringList& arguments)
{
    return runProgram(QStringLiteral("xdotool"), arguments).split(u'\n', Qt::SkipEmptyParts);
}

QStringList windowsNamed(const QString& pattern, qint64 pid)
{
    QStringList search = {QStringLiteral("search"), QStringLiteral("--onlyvisible")};
    if (pid != 0)
        search << QStringLiteral("--all") << QStringLiteral("--pid") << QString::number(pid);
    return xdotool(search << QStringLiteral("--name") << pattern);
}

QStringList windowsShown(const QString& pattern, qint64 pid, int timeoutMs)
{
    QStringList shown;
    for (QDeadlineTimer deadline(timeoutMs); (shown = windowsNamed(pattern, pid)).isEmpty() && !deadline.hasExpired();)
        QTest::qWait(100);
    return shown;
}

QString wholeTitle(const QString& title)
{
    return u'^' + QRegularExpression::escape(title) + u'$';
}

QString windowName(const QString& window)
{
    return xdotool({QStringLiteral("getwindowname"), window}).value(0);
}

QRect windowGeometry(const QString& window)
{
    QMap<QString, int> v;
    for (const QString& line : xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}))
        v[line.section(u'=', 0, 0)] = line.section(u'=', 1).toInt();
    return QRect(v[QStringLiteral("X")], v[QStringLiteral("Y")], v[QStringLiteral("WIDTH")], v[QStringLiteral("HEIGHT")]);
}

QRect frameOf(const QString& window)
{
    QMap<QString, int> v;
    for (const QString& line : runProgram(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}).split(u'\n'))
        v[line.section(u':', 0, 0).trimmed()] = line.section(u':', 1).trimmed().toInt();
    const QStringList extents =
        runProgram(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")})
            .section(u'=', 1)
            .split(u',');
    if (extents.size() != 4)
        return {};
    return QRect(v[QStringLiteral("Absolute upper-left X")], v[QStringLiteral("Absolute upper-left Y")],
                 v[QStringLiteral("Width")], v[QStringLiteral("Height")])
        .marginsAdded(QMargins(extents[0].toInt(), extents[2].toInt(), extents[1].toInt(), extents[3].toInt()));
}

bool isMainWindow(const QString& window)
{
    return windowGeometry(window).size() == QSize(994, 747);
}

void pressKeys(const QString& window, const QStringList& keys, int delayMs)
{
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QString::number(delayMs)} + keys);
}

void typeText(const QString& window, const QString& text, int delayMs)
{
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QString::number(delayMs), text});
}

void pressOnceShown(const QString& pattern, const QString& key)
{
    xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
             pattern, QStringLiteral("windowfocus"), QStringLiteral("--sync")});
    xdotool({QStringLiteral("key"), key});
}

void clickAt(const QString& window, int x, int y, int button)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x), QString::number(y),
             QStringLiteral("click"), QString::number(button)});
}

bool closedWithTheCloseButton(QProcess& program, const QString& mainWindow)
{
    clickAt(mainWindow, 958, 32);
    return program.waitForFinished(15000) && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

void keys(const QString& names, int settleMs)
{
    xdotool(QStringList{"key", "--delay", "80"} + names.split(' '));
    QTest::qWait(settleMs);
}

void type(const QString& text)
{
    xdotool({"type", "--delay", "20", text});
}

std::string openWindows()
{
    QStringList titles;
    for (const QString& id : windowsNamed(QStringLiteral(".")))
        titles << windowName(id).trimmed();
    titles.sort();
    return titles.join(" | ").toStdString();
}
