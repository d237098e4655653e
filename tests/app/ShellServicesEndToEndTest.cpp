// The built program on a real X server: help, About with its links, and the file type
// registered with the desktop after a start, each driven from outside as a person would.
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QString run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QStringList xdotool(const QStringList& arguments)
{
    return run(QStringLiteral("xdotool"), arguments).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Polls for up to 30 s: the machine may be busy.
template <typename Condition>
bool waitFor(Condition condition)
{
    for (int tries = 0; tries < 300; ++tries) {
        if (condition())
            return true;
        QTest::qWait(100);
    }
    return condition();
}

// The program started with a description file, its settings and desktop data in a folder of
// the test's own, and a stand-in for the desktop's opener on the PATH that notes each address.
class Program {
public:
    Program()
    {
        QDir(m_temp.path()).mkpath(QStringLiteral("config"));
        QDir(m_temp.path()).mkpath(QStringLiteral("opener"));
        book = m_temp.write(QStringLiteral("Garden Basics.qvn"),
                            "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        const QString opener = m_temp.write(QStringLiteral("opener/xdg-open"),
                                            "#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/opened.txt\"\n");
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_temp.file(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_temp.file(QStringLiteral("share")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("PATH"), m_temp.file(QStringLiteral("opener")) + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
        environment.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
        environment.remove(QStringLiteral("BROWSER"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), {book});
    }
    ~Program()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
    }

    // The program's visible window whose name matches exactly, once there is one.
    QString window(const QString& name)
    {
        const QStringList search = {"search", "--all", "--pid", QString::number(m_process.processId()), "--onlyvisible",
                                    "--name", QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$')};
        QStringList found;
        waitFor([&] { return !(found = xdotool(search)).isEmpty(); });
        return found.isEmpty() ? QString() : found.front();
    }
    bool gone(const QString& name)
    {
        const QStringList search = {"search", "--all", "--pid", QString::number(m_process.processId()), "--onlyvisible",
                                    "--name", QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$')};
        return waitFor([&] { return xdotool(search).isEmpty(); });
    }
    QString opened() const { return QString::fromUtf8(TempFolder::read(m_temp.file(QStringLiteral("opener/opened.txt")))).trimmed(); }

    QString book;
    QProcessEnvironment environment;

private:
    TempFolder m_temp;
    QProcess m_process;
};

const QString MainTopic = QStringLiteral("Working on your book description - Quorvane Help");

void click(const QString& window, int x, int y)
{
    xdotool({"mousemove", "--window", window, QString::number(x), QString::number(y), "click", "1"});
}
} // namespace

TEST(ShellServicesEndToEnd, F1InASectionBoxOpensTheHelpAtTheMainTopic)
{
    Program program;
    const QString main = program.window(QStringLiteral("Quorvane"));
    ASSERT_FALSE(main.isEmpty());
    click(main, 200, 140);  // into the headline box
    xdotool({"key", "--window", main, "F1"});
    EXPECT_FALSE(program.window(MainTopic).isEmpty());
}

TEST(ShellServicesEndToEnd, TheHelpButtonOpensTheHelpAtTheMainTopic)
{
    Program program;
    const QString main = program.window(QStringLiteral("Quorvane"));
    ASSERT_FALSE(main.isEmpty());
    click(main, 815, 19);  // Help
    EXPECT_FALSE(program.window(MainTopic).isEmpty());
}

TEST(ShellServicesEndToEnd, AboutOpensItsLinkInTheBrowserAndClosesWithOK)
{
    Program program;
    const QString main = program.window(QStringLiteral("Quorvane"));
    ASSERT_FALSE(main.isEmpty());
    click(main, 815, 47);  // About Quorvane
    const QString about = program.window(QStringLiteral("About Quorvane"));
    ASSERT_FALSE(about.isEmpty());
    EXPECT_TRUE(xdotool({"getwindowgeometry", about}).contains(QStringLiteral("  Geometry: 420x292")));

    click(about, 100, 125);  // the website
    EXPECT_TRUE(waitFor([&] { return !program.opened().isEmpty(); }));
    EXPECT_EQ(program.opened(), QStringLiteral("http://www.quorvane.example"));

    click(about, 356, 263);  // OK
    EXPECT_TRUE(program.gone(QStringLiteral("About Quorvane")));
    EXPECT_FALSE(program.window(QStringLiteral("Quorvane")).isEmpty());
}

TEST(ShellServicesEndToEnd, AfterAStartTheDesktopKnowsTheFileTypeAndItsProgram)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        GTEST_SKIP() << "xdg-mime is not installed";
    Program program;
    ASSERT_FALSE(program.window(QStringLiteral("Quorvane")).isEmpty());
    // The desktop's databases are brought up to date in the background.
    QString type;
    EXPECT_TRUE(waitFor([&] {
        type = run(xdgMime, {"query", "filetype", program.book}, program.environment);
        return type == QLatin1String("application/x-quorvane");
    })) << type.toStdString();
    QString handler;
    EXPECT_TRUE(waitFor([&] {
        handler = run(xdgMime, {"query", "default", "application/x-quorvane"}, program.environment);
        return handler == QLatin1String("org.quorvane.Quorvane.desktop");
    })) << handler.toStdString();
}
