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
        QString found;
        waitFor([&] { return !(found = visible(name)).isEmpty(); });
        return found;
    }
    // The window that an action opens. A busy machine may lose an input event that comes
    // while the program is still setting up, so the action is repeated until it shows.
    template <typename Action>
    QString openedBy(Action action, const QString& name)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            action();
            for (int tries = 0; tries < 60; ++tries) {
                if (const QString found = visible(name); !found.isEmpty())
                    return found;
                QTest::qWait(100);
            }
        }
        return {};
    }
    QString visible(const QString& name)
    {
        const QStringList search = {"search", "--all", "--pid", QString::number(m_process.processId()), "--onlyvisible",
                                    "--name", QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$')};
        const QStringList found = xdotool(search);
        return found.isEmpty() ? QString() : found.front();
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
    EXPECT_FALSE(program.openedBy([&] {
        click(main, 200, 140);  // into the headline box
        xdotool({"key", "--window", main, "F1"});
    }, MainTopic).isEmpty());
}

TEST(ShellServicesEndToEnd, TheHelpButtonOpensTheHelpAtTheMainTopic)
{
    Program program;
    const QString main = program.window(QStringLiteral("Quorvane"));
    ASSERT_FALSE(main.isEmpty());
    EXPECT_FALSE(program.openedBy([&] { click(main, 815, 19); }, MainTopic).isEmpty());  // Help
}

TEST(ShellServicesEndToEnd, AboutOpensItsLinkInTheBrowserAndClosesWithOK)
{
    Program program;
    const QString main = program.window(QStringLiteral("Quorvane"));
    ASSERT_FALSE(main.isEmpty());
    const QString about = program.openedBy([&] { click(main, 815, 47); }, QStringLiteral("About Quorvane"));
    ASSERT_FALSE(about.isEmpty());
    EXPECT_TRUE(xdotool({"getwindowgeometry", about}).contains(QStringLiteral("  Geometry: 420x292")));

    for (int attempt = 0; attempt < 5 && program.opened().isEmpty(); ++attempt) {
        click(about, 100, 125);  // the website
        for (int tries = 0; tries < 60 && program.opened().isEmpty(); ++tries)
            QTest::qWait(100);
    }
    EXPECT_EQ(program.opened(), QStringLiteral("http://www.quorvane.example"));

    for (int attempt = 0; attempt < 5 && !program.visible(QStringLiteral("About Quorvane")).isEmpty(); ++attempt) {
        click(about, 356, 263);  // OK
        for (int tries = 0; tries < 60 && !program.visible(QStringLiteral("About Quorvane")).isEmpty(); ++tries)
            QTest::qWait(100);
    }
    EXPECT_TRUE(program.visible(QStringLiteral("About Quorvane")).isEmpty());
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
