// The built program as a screen reader reads it: over an accessibility bus of the test's own,
// with the keys a screen-reader user presses.
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {
struct Accessible {
    QString role, name, description, text;
    QStringList states, actions, labelledBy;
    bool has(const QString& state) const { return states.contains(state); }
};

QString run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList xdotool(const QStringList& arguments)
{
    return run(QStringLiteral("xdotool"), arguments).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList strings(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list.append(item.toString());
    return list;
}

// A session bus of the test's own: the accessibility bus and its registry start on it when
// first asked for, and end with it.
class SessionBus {
public:
    SessionBus()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
        if (m_daemon.waitForReadyRead(10000))
            address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~SessionBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished(10000);
    }
    QString address;

private:
    QProcess m_daemon;
};

// A window manager, so that windows get the keyboard as on a desktop and keys can be typed
// as a user types them.
class WindowManager {
public:
    WindowManager()
    {
        m_openbox.start(QStringLiteral("openbox"), {"--sm-disable"});
        m_openbox.waitForStarted(10000);
        QTest::qWait(1000);
    }
    ~WindowManager()
    {
        m_openbox.terminate();
        m_openbox.waitForFinished(10000);
    }

private:
    QProcess m_openbox;
};

// The program started on a description file, with an opener on the PATH that notes each
// address, and its accessibility on.
class Program {
public:
    explicit Program(const QString& busAddress)
    {
        QDir(m_temp.path()).mkpath(QStringLiteral("config"));
        QDir(m_temp.path()).mkpath(QStringLiteral("opener"));
        const QString book = m_temp.write(QStringLiteral("Garden Basics.qvn"),
                                          "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        const QString opener = m_temp.write(QStringLiteral("opener/xdg-open"),
                                            "#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/opened.txt\"\n");
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_temp.file(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_temp.file(QStringLiteral("share")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        environment.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
        m_environment = environment;
        environment.insert(QStringLiteral("PATH"), m_temp.file(QStringLiteral("opener")) + QLatin1Char(':') +
                                                       environment.value(QStringLiteral("PATH")));
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

    bool running() const { return m_process.state() == QProcess::Running; }

    // Everything the program shows to assistive tools now.
    QList<Accessible> tree() const
    {
        const QString json = run(QStringLiteral(QUORVANE_SYSTEM_PYTHON),
                                 {QStringLiteral(QUORVANE_ATSPI_TREE), QString::number(m_process.processId())},
                                 m_environment);
        QList<Accessible> nodes;
        for (const QJsonValue& value : QJsonDocument::fromJson(json.toUtf8()).array()) {
            const QJsonObject node = value.toObject();
            nodes.append({node["role"].toString(), node["name"].toString(), node["description"].toString(),
                          node["text"].toString(), strings(node["states"]), strings(node["actions"]),
                          strings(node["labelledBy"])});
        }
        return nodes;
    }
    // The first object with that role whose name matches, once it shows.
    std::optional<Accessible> find(const QString& role, const QString& namePattern, int timeoutMs = 30000) const
    {
        const QRegularExpression name(QLatin1Char('^') + namePattern + QLatin1Char('$'));
        std::optional<Accessible> found;
        (void)QTest::qWaitFor([&] {
            for (const Accessible& node : tree()) {
                if (node.role == role && name.match(node.name).hasMatch()) {
                    found = node;
                    return true;
                }
            }
            return false;
        }, timeoutMs);
        return found;
    }

    // The program's visible window of that title, once it shows.
    QString window(const QString& title) const
    {
        QStringList found;
        (void)QTest::qWaitFor([&] {
            found = xdotool({"search", "--all", "--pid", QString::number(m_process.processId()), "--onlyvisible",
                             "--name", QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')});
            return !found.isEmpty();
        }, 30000);
        return found.isEmpty() ? QString() : found.front();
    }
    // Keys typed into the window of that title, brought to the front first.
    void keys(const QString& title, const QStringList& names) const
    {
        xdotool({"windowactivate", "--sync", window(title)});
        for (const QString& name : names)
            xdotool({"key", name});
    }
    bool closes(const QString& title) const
    {
        return QTest::qWaitFor([&] {
            return xdotool({"search", "--all", "--pid", QString::number(m_process.processId()), "--onlyvisible",
                            "--name", QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')})
                .isEmpty();
        }, 15000);
    }
    QStringList opened() const
    {
        return QString::fromUtf8(TempFolder::read(m_temp.file(QStringLiteral("opener/opened.txt"))))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    TempFolder m_temp;
    QProcessEnvironment m_environment;
    QProcess m_process;
};


} // namespace

TEST(AccessibilityEndToEnd, TheBoxesTheLengthLineTheHelpAndAboutAsAScreenReaderReadsThem)
{
    SessionBus bus;
    ASSERT_FALSE(bus.address.isEmpty());
    WindowManager windowManager;
    Program program(bus.address);
    const QString main = program.window(QStringLiteral("Quorvane"));
    ASSERT_FALSE(main.isEmpty());
    ASSERT_TRUE(program.find(QStringLiteral("frame"), QStringLiteral("Quorvane")));

    // Every box by the caption of its frame, and labelled by that caption.
    const QStringList names = {"Headline", "Sub-headline", "Opening remarks", "Benefits headline", "Main benefits",
                               "Closing remarks", "Call to action for Kindle book",
                               "Call to action for CreateSpace print book", "Book Title"};
    const QList<Accessible> nodes = program.tree();
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const auto box = std::find_if(nodes.begin(), nodes.end(), [&](const Accessible& node) {
            return node.role == QStringLiteral("text") && node.name == name;
        });
        ASSERT_NE(box, nodes.end());
        EXPECT_EQ(box->labelledBy.size(), 1);
        EXPECT_EQ(box->labelledBy.value(0).trimmed().toLower(), name == "Book Title" ? "book title:" : name.toLower());
    }
    EXPECT_EQ(std::count_if(nodes.begin(), nodes.end(), [](const Accessible& node) {
                  return node.role == QStringLiteral("text") && node.name.isEmpty();
              }), 0);

    // The length line: its figures as its name, its findings as its description, reached by Tab
    // after the title box. A tag left open in the headline shows up in the findings.
    std::optional<Accessible> meter = program.find(QStringLiteral("label"), QStringLiteral("Kindle .*"));
    ASSERT_TRUE(meter);
    EXPECT_EQ(meter->description,
              QStringLiteral("Both descriptions fit the store's 4,000 characters and use only tags it accepts."));
    xdotool({"windowactivate", "--sync", main});
    xdotool({"type", "<b>Grow"});
    program.keys(QStringLiteral("Quorvane"), QStringList(9, QStringLiteral("Tab")));
    meter = program.find(QStringLiteral("label"), QStringLiteral("Kindle .* 1 tag finding"));
    ASSERT_TRUE(meter);
    EXPECT_TRUE(meter->has(QStringLiteral("focusable")));
    EXPECT_TRUE(meter->has(QStringLiteral("focused")));
    EXPECT_EQ(meter->description, QStringLiteral("HEADLINE: <b> is not closed"));

    // F1: the help, a window named by its caption with named buttons and its page as text.
    program.keys(QStringLiteral("Quorvane"), {QStringLiteral("F1")});
    const QString helpTitle = QStringLiteral("Working on your book description - Quorvane Help");
    const QString help = program.window(helpTitle);
    ASSERT_FALSE(help.isEmpty());
    EXPECT_TRUE(program.find(QStringLiteral("frame"), QRegularExpression::escape(helpTitle)));
    EXPECT_TRUE(program.find(QStringLiteral("push button"), QStringLiteral("Back")));
    EXPECT_TRUE(program.find(QStringLiteral("push button"), QStringLiteral("Forward")));
    const QList<Accessible> helpNodes = program.tree();
    EXPECT_TRUE(std::any_of(helpNodes.begin(), helpNodes.end(), [](const Accessible& node) {
        return node.text.contains(QStringLiteral("A typical session"));
    }));
    program.keys(helpTitle, {QStringLiteral("Escape")});
    EXPECT_TRUE(program.closes(helpTitle));
    EXPECT_TRUE(program.running());

    // About: its two links named by what they show, reached by Tab from OK and opened by Enter.
    xdotool({"mousemove", "--window", main, "815", "47", "click", "1"});
    const QString about = program.window(QStringLiteral("About Quorvane"));
    ASSERT_FALSE(about.isEmpty());
    std::optional<Accessible> website = program.find(QStringLiteral("link"), QStringLiteral("www\\.quorvane\\.example"));
    ASSERT_TRUE(website);
    EXPECT_TRUE(website->has(QStringLiteral("focusable")));
    EXPECT_TRUE(website->actions.contains(QStringLiteral("Press")));
    ASSERT_TRUE(program.find(QStringLiteral("link"), QStringLiteral(".+@.+")));
    program.keys(QStringLiteral("About Quorvane"), {QStringLiteral("Tab")});
    EXPECT_TRUE(program.find(QStringLiteral("link"), QStringLiteral("www\\.quorvane\\.example"))->has(QStringLiteral("focused")));
    program.keys(QStringLiteral("About Quorvane"), {QStringLiteral("Return"), QStringLiteral("Tab"), QStringLiteral("Return")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.opened().size() == 2; }, 15000));
    EXPECT_EQ(program.opened().value(0), QStringLiteral("http://www.quorvane.example"));
    EXPECT_TRUE(program.opened().value(1).endsWith(QStringLiteral("/contact/")));
    program.keys(QStringLiteral("About Quorvane"), {QStringLiteral("Escape")});
    EXPECT_TRUE(program.closes(QStringLiteral("About Quorvane")));
    EXPECT_TRUE(program.running());
}
