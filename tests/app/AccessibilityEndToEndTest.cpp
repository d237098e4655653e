// The built program as a screen reader reads it, over an accessibility bus of the test's own,
// under a window manager, with the keys a screen-reader user types.
#include "TempFolder.h"
#include "WindowManager.h"
#include "Xdotool.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {
struct Accessible {
    QString role, name, description, text;
    QStringList states, labelledBy;
};

// A session bus (the accessibility bus and its registry start on it when first asked for, and
// end with it) and a window manager, both the test's own.
struct Desktop {
    Desktop()
    {
        bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
        if (bus.waitForReadyRead(10000))
            address = QString::fromUtf8(bus.readLine()).trimmed();
    }
    ~Desktop()
    {
        bus.terminate();
        bus.waitForFinished(10000);
    }
    WindowManager windowManager;
    QProcess bus;
    QString address;
};

// The program on a description file, its accessibility on, with an opener on the PATH that
// notes each address.
class Program {
public:
    explicit Program(const QString& busAddress)
    {
        QDir(m_temp.path()).mkpath(QStringLiteral("bin"));
        const QString book = m_temp.write(QStringLiteral("Garden Basics.qvn"),
                                          "[[[QVN FILE]]]Garden Basics\r\nGrow More\r\n\r\n\r\n\r\n"
                                          "Less work<BR>More food\r\n\r\n\r\n\r\n");
        QFile::setPermissions(m_temp.write(QStringLiteral("bin/xdg-open"), "#!/bin/sh\necho \"$@\" >> \"$0.txt\"\n"),
                              QFile::ReadOwner | QFile::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_temp.path());
        m_environment.insert(QStringLiteral("XDG_STATE_HOME"), m_temp.path());
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_temp.path());
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        m_environment.insert(QStringLiteral("PATH"), m_temp.file(QStringLiteral("bin:")) + qEnvironmentVariable("PATH"));
        for (const char* name : {"AT_SPI_BUS_ADDRESS", "XDG_CURRENT_DESKTOP", "BROWSER"})
            m_environment.remove(QLatin1String(name));
        m_process.setProcessEnvironment(m_environment);
        m_process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), {book});
    }

    bool running() const { return m_process.state() == QProcess::Running; }

    // Everything a screen reader sees of the program, or of the process given.
    QList<Accessible> tree(qint64 pid = 0) const
    {
        const QString json = runProgram(QStringLiteral(QUORVANE_SYSTEM_PYTHON),
                                        {QStringLiteral(QUORVANE_ATSPI_TREE), QString::number(pid ? pid : m_process.processId())},
                                        m_environment, 60000);
        QList<Accessible> nodes;
        for (const QJsonValue& value : QJsonDocument::fromJson(json.toUtf8()).array()) {
            const QJsonObject node = value.toObject();
            nodes.append({node["role"].toString(), node["name"].toString(), node["description"].toString(),
                          node["text"].toString(), node["states"].toVariant().toStringList(),
                          node["labelledBy"].toVariant().toStringList()});
        }
        return nodes;
    }

    // The first object of that role whose name matches, once it shows.
    Accessible find(const QString& role, const QString& namePattern, qint64 pid = 0) const
    {
        const QRegularExpression name(QRegularExpression::anchoredPattern(namePattern));
        Accessible found;
        (void)QTest::qWaitFor([&] {
            for (const Accessible& node : tree(pid)) {
                if (node.role == role && name.match(node.name).hasMatch()) {
                    found = node;
                    return true;
                }
            }
            return false;
        }, 30000);
        return found;
    }

    // The roles of the parts that have no name, once the object of that role and name shows.
    QStringList unnamed(const QString& role, const QString& name) const
    {
        QStringList roles;
        (void)find(role, name);
        for (const Accessible& node : tree())
            if (node.name.isEmpty() && node.role != QLatin1String("application"))
                roles << node.role;
        return roles;
    }

    // The program's visible window of that title, or its preview helper's, or none.
    QString window(const QString& title) const
    {
        const QString own = windowsNamed(wholeTitle(title), m_process.processId()).value(0);
        return own.isEmpty() ? windowsNamed(wholeTitle(title)).value(0) : own;
    }
    bool shows(const QString& title, bool shown = true) const
    {
        return QTest::qWaitFor([&] { return window(title).isEmpty() != shown; }, 30000);
    }
    // Keys typed into the window of that title, brought to the front first.
    void keys(const QString& title, const QStringList& names) const
    {
        xdotool({"windowactivate", "--sync", window(title)});
        for (const QString& name : names)
            xdotool({"key", name});
    }
    QStringList opened() const
    {
        return QString::fromUtf8(TempFolder::read(m_temp.file(QStringLiteral("bin/xdg-open.txt")))).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    TempFolder m_temp;
    QProcessEnvironment m_environment;
    QProcess m_process;  // killed on destruction
};
} // namespace

TEST(AccessibilityEndToEnd, TheBoxesTheLengthLineTheHelpAndAboutAsAScreenReaderReadsThem)
{
    Desktop desktop;
    ASSERT_FALSE(desktop.address.isEmpty());
    Program program(desktop.address);
    const QString Main = QStringLiteral("Quorvane");
    ASSERT_TRUE(program.shows(Main));
    EXPECT_EQ(program.find(QStringLiteral("frame"), Main).name, Main);
    // Nothing unnamed: the frames round the boxes are panels named as their boxes.
    EXPECT_EQ(program.unnamed(QStringLiteral("text"), QStringLiteral("Headline")), QStringList());
    EXPECT_EQ(program.find(QStringLiteral("panel"), QStringLiteral("Main benefits")).name, QStringLiteral("Main benefits"));


    // Every box by the caption of its frame, and labelled by that caption.
    const QStringList names = {"Headline", "Sub-headline", "Opening remarks", "Benefits headline", "Main benefits",
                               "Closing remarks", "Call to action for Kindle book",
                               "Call to action for CreateSpace print book", "Book Title"};
    for (const QString& name : names) {
        const Accessible box = program.find(QStringLiteral("text"), name);
        EXPECT_EQ(box.labelledBy.join(u'|').trimmed().toLower(), name == "Book Title" ? "book title:" : name.toLower());
    }

    // The length line: its figures as its name, its findings as its description, reached by Tab
    // after the title box. A tag left open in the headline shows up in the findings.
    EXPECT_EQ(program.find(QStringLiteral("label"), QStringLiteral("Kindle .*")).description,
              QStringLiteral("Both descriptions fit the store's 4,000 characters and use only tags it accepts."));
    program.keys(Main, {QStringLiteral("Home"), QStringLiteral("less"), QStringLiteral("b"), QStringLiteral("greater")});
    program.keys(Main, QStringList(9, QStringLiteral("Tab")));
    const Accessible meter = program.find(QStringLiteral("label"), QStringLiteral("Kindle .* 1 tag finding"));
    EXPECT_TRUE(meter.states.contains(QStringLiteral("focused"))) << meter.states.join(u' ').toStdString();
    EXPECT_EQ(meter.description, QStringLiteral("HEADLINE: <b> is not closed"));
    // F8 from there: the finding's words selected in their box, which now describes the finding.
    program.keys(Main, {QStringLiteral("F8")});
    const Accessible headline = program.find(QStringLiteral("text"), QStringLiteral("Headline"));
    EXPECT_TRUE(headline.states.contains(QStringLiteral("focused"))) << headline.states.join(u' ').toStdString();
    EXPECT_EQ(headline.description, QStringLiteral("HEADLINE: <b> is not closed"));

    // F1: the help, a window named by its caption with named buttons, its contents named and its page a
    // document to read; Esc closes it.
    program.keys(Main, {QStringLiteral("F1")});
    const QString help = QStringLiteral("Working on your book description - Quorvane Help");
    ASSERT_TRUE(program.shows(help));
    EXPECT_EQ(program.find(QStringLiteral("frame"), QRegularExpression::escape(help)).name, help);
    EXPECT_EQ(program.find(QStringLiteral("push button"), QStringLiteral("Back")).name, QStringLiteral("Back"));
    EXPECT_EQ(program.find(QStringLiteral("push button"), QStringLiteral("Forward")).name, QStringLiteral("Forward"));
    EXPECT_TRUE(program.find(QStringLiteral("document frame"), QStringLiteral("Working on your book description"))
                    .text.contains(QStringLiteral("A typical session")));
    EXPECT_EQ(program.find(QStringLiteral("tree"), QStringLiteral("Contents")).name, QStringLiteral("Contents"));
    program.keys(help, {QStringLiteral("Escape")});
    EXPECT_TRUE(program.shows(help, false));

    // About: two links named by what they show, reached by Tab from OK, opened by Enter.
    clickAt(program.window(Main), 815, 47);
    const QString about = QStringLiteral("About Quorvane");
    ASSERT_TRUE(program.shows(about));
    const QString website = QStringLiteral("www\\.quorvane\\.example");
    EXPECT_TRUE(program.find(QStringLiteral("link"), website).states.contains(QStringLiteral("focusable")));
    EXPECT_FALSE(program.find(QStringLiteral("link"), QStringLiteral(".+@.+")).name.isEmpty());
    program.keys(about, {QStringLiteral("Tab")});
    EXPECT_TRUE(program.find(QStringLiteral("link"), website).states.contains(QStringLiteral("focused")));
    program.keys(about, {QStringLiteral("Return"), QStringLiteral("Tab"), QStringLiteral("Return")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.opened().size() == 2; }, 15000));
    EXPECT_EQ(program.opened().value(0), QStringLiteral("http://www.quorvane.example"));
    EXPECT_TRUE(program.opened().value(1).endsWith(QStringLiteral("/contact/")));
    program.keys(about, {QStringLiteral("Escape")});
    EXPECT_TRUE(program.shows(about, false));

    // A message: its sign named, its row of buttons a named panel that does not hold the focus.
    xdotool({"mousemove", "--window", program.window(Main), "370", "19", "click", "1"});
    EXPECT_TRUE(program.find(QStringLiteral("push button"), QStringLiteral("OK")).states.contains(QStringLiteral("focused")));
    EXPECT_EQ(program.unnamed(QStringLiteral("alert"), Main), QStringList());
    // The tag left open in the headline makes the copy's message a warning.
    EXPECT_EQ(program.find(QStringLiteral("image"), QStringLiteral("Warning")).name, QStringLiteral("Warning"));
    EXPECT_FALSE(program.find(QStringLiteral("panel"), QStringLiteral("Answers")).states.contains(QStringLiteral("focused")));
    xdotool({"key", "Return"});
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QList<Accessible> nodes = program.tree();
        return std::none_of(nodes.begin(), nodes.end(), [](const Accessible& node) { return node.role == "alert"; });
    }, 15000));

    // The preview: a page named by its caption whose headline and bullets can be read.
    xdotool({"mousemove", "--window", program.window(Main), "600", "19", "click", "1"});
    const QString Preview = QStringLiteral("Preview");
    ASSERT_TRUE(program.shows(Preview));
    const qint64 previewPid = xdotool({"getwindowpid", program.window(Preview)}).value(0).trimmed().toLongLong();
    EXPECT_EQ(program.find(QStringLiteral("document web"), Preview, previewPid).name, Preview);
    EXPECT_EQ(program.find(QStringLiteral("heading"), QStringLiteral("Grow More"), previewPid).name, QStringLiteral("Grow More"));
    QString page;
    for (const Accessible& node : program.tree(previewPid))
        page += node.name + u'\n' + node.text + u'\n';
    EXPECT_TRUE(page.contains(QStringLiteral("Less work")) && page.contains(QStringLiteral("More food"))) << page.toStdString();
    program.keys(Preview, {QStringLiteral("Escape")});
    EXPECT_TRUE(program.shows(Preview, false));
    EXPECT_TRUE(program.running());
}

namespace {
struct Seen {
    QString role, name, description;
    QStringList states;
    QRect box;  // on the screen
};

// Everything a screen reader sees of the program with that process id, read once.
QList<Seen> readerTree(const QString& busAddress, qint64 pid)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    environment.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    const QString json = runProgram(QStringLiteral(QUORVANE_SYSTEM_PYTHON),
                                    {QStringLiteral(QUORVANE_ATSPI_TREE), QString::number(pid)}, environment);
    QList<Seen> nodes;
    for (const QJsonValue& value : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonObject node = value.toObject();
        const QJsonArray box = node["box"].toArray();
        nodes.append({node["role"].toString(), node["name"].toString(), node["description"].toString(),
                      node["states"].toVariant().toStringList(),
                      QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt())});
    }
    return nodes;
}
} // namespace

// Each tab of the help, the Search tab with a word typed and looked for: a screen reader meets
// no button without a name.
TEST(AccessibilityEndToEnd, EveryButtonTheHelpShowsOnEachTabHasAName)
{
    Desktop desktop;
    ASSERT_FALSE(desktop.address.isEmpty());
    Program program(desktop.address);
    const QString Main = QStringLiteral("Quorvane");
    ASSERT_TRUE(program.shows(Main));
    const qint64 pid = xdotool({"getwindowpid", program.window(Main)}).value(0).trimmed().toLongLong();
    ASSERT_GT(pid, 0);
    program.keys(Main, {QStringLiteral("F1")});
    const QString help = QStringLiteral("Working on your book description - Quorvane Help");
    ASSERT_TRUE(program.shows(help));

    for (const QString tab : {"Contents", "Index", "Search"}) {
        SCOPED_TRACE(tab.toStdString());
        // A click on the tab; the tab list is named by the tab chosen.
        const auto chosen = [&] {
            for (const Seen& node : readerTree(desktop.address, pid))
                if (node.role == u"page tab list")
                    return node.name == tab;
            return false;
        };
        for (const Seen& node : readerTree(desktop.address, pid)) {
            if (node.role == u"page tab" && node.name == tab)
                xdotool({"mousemove", QString::number(node.box.center().x()), QString::number(node.box.center().y()),
                         "click", "1"});
        }
        ASSERT_TRUE(QTest::qWaitFor(chosen, 10000));
        if (tab == u"Search") {
            for (const Seen& node : readerTree(desktop.address, pid)) {
                if (node.role == u"text" && node.name == u"Search for" && node.states.contains(QStringLiteral("showing")))
                    xdotool({"mousemove", QString::number(node.box.center().x()),
                             QString::number(node.box.center().y()), "click", "1"});
            }
            xdotool({"type", "--delay", "20", "box"});
            program.keys(help, {QStringLiteral("Return")});
            QTest::qWait(1000);
        }
        QStringList buttons;
        for (const Seen& node : readerTree(desktop.address, pid)) {
            if (node.role.contains(u"button") && node.states.contains(QStringLiteral("showing"))) {
                buttons.append(node.name);
                EXPECT_FALSE(node.name.isEmpty()) << "a " << node.role.toStdString() << " without a name, described as \""
                                                  << node.description.toStdString() << '"';
            }
        }
        EXPECT_TRUE(buttons.contains(QStringLiteral("Back"))) << buttons.join(u',').toStdString();
        if (tab == u"Search") {
            for (const char* name : {"Search", "First result page", "Previous result page", "Next result page",
                                     "Last result page"})
                EXPECT_TRUE(buttons.contains(QLatin1String(name))) << name << " in " << buttons.join(u',').toStdString();
        }
    }
}
