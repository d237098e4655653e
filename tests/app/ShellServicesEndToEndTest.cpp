// The built program on a real X server, driven from outside: help, About and its link, the file type.
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A busy machine may lose an input event that comes while the program is still setting up,
// so the action is repeated until its effect shows.
template <typename Action, typename Condition>
bool retryUntil(Action action, Condition condition)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        action();
        if (QTest::qWaitFor(condition, 6000))
            return true;
    }
    return false;
}

// Started on a description file with its own settings and desktop data, and an opener on the
// PATH that notes each address.
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

        environment = EditorEnvironment(m_temp.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_temp.file(QStringLiteral("share")));
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

    QString window(const QString& name)
    {
        QString found;
        QTest::qWaitFor([&] { return !(found = visible(name)).isEmpty(); }, 30000);
        return found;
    }
    template <typename Action>
    QString openedBy(Action action, const QString& name)
    {
        QString found;
        retryUntil(action, [&] { return !(found = visible(name)).isEmpty(); });
        return found;
    }
    QString visible(const QString& name)
    {
        return windowsNamed(wholeTitle(name), m_process.processId()).value(0);
    }
    QString opened() const { return QString::fromUtf8(TempFolder::read(m_temp.file(QStringLiteral("opener/opened.txt")))).trimmed(); }

    QString book;
    QProcessEnvironment environment;

private:
    TempFolder m_temp;
    QProcess m_process;
};

const QString MainTopic = QStringLiteral("Working on your book description - Quorvane Help");
} // namespace

TEST(ShellServicesEndToEnd, F1InASectionBoxAndTheHelpButtonOpenTheHelpAtTheMainTopic)
{
    for (const bool f1 : {true, false}) {
        SCOPED_TRACE(f1 ? "F1 in the headline box" : "Help button");
        Program program;
        const QString main = program.window(QStringLiteral("Quorvane"));
        ASSERT_FALSE(main.isEmpty());
        EXPECT_FALSE(program.openedBy([&] {
            clickAt(main, f1 ? 200 : 815, f1 ? 140 : 19);
            if (f1)
                xdotool({"key", "--window", main, "F1"});
        }, MainTopic).isEmpty());
    }
}

TEST(ShellServicesEndToEnd, AboutOpensItsLinkInTheBrowserAndClosesWithOK)
{
    Program program;
    const QString main = program.window(QStringLiteral("Quorvane"));
    ASSERT_FALSE(main.isEmpty());
    const QString about = program.openedBy([&] { clickAt(main, 815, 47); }, QStringLiteral("About Quorvane"));
    ASSERT_FALSE(about.isEmpty());
    EXPECT_EQ(windowGeometry(about).size(), QSize(420, 292));

    retryUntil([&] { clickAt(about, 100, 125); }, [&] { return !program.opened().isEmpty(); });  // the website
    EXPECT_EQ(program.opened(), QStringLiteral("http://www.quorvane.example"));
    EXPECT_TRUE(retryUntil([&] { clickAt(about, 356, 263); },  // OK
                           [&] { return program.visible(QStringLiteral("About Quorvane")).isEmpty(); }));
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
    const auto query = [&](const QStringList& arguments) { return runProgram(xdgMime, arguments, program.environment).trimmed(); };
    QString type, handler;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (type = query({"query", "filetype", program.book})) == "application/x-quorvane"; }, 30000))
        << type.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return (handler = query({"query", "default", "application/x-quorvane"})) == "org.quorvane.Quorvane.desktop";
    }, 30000)) << handler.toStdString();
}
