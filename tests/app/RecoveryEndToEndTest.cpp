// The built program on a real X server, killed while changes are unsaved and started again.
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <signal.h>

namespace {
const QByteArray Original = "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
const QByteArray Edited = "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less, today\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

class RecoveryEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(m_temp.path()).mkpath(QStringLiteral("config"));
        m_book = m_temp.write(QStringLiteral("book.qvn"), Original);
    }

    // The editor with the book on its command line, its errors kept.
    std::unique_ptr<QProcess> start() { return start({m_book}); }
    std::unique_ptr<QProcess> start(const QStringList& arguments)
    {
        QProcessEnvironment environment = EditorEnvironment(m_temp.path());
        auto program = std::make_unique<QProcess>();  // killed on destruction, should a check fail early
        program->setProcessEnvironment(environment);
        program->start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), arguments);
        EXPECT_TRUE(program->waitForStarted(10000));
        return program;
    }

    // The program's visible windows of that title once there are count of them, the main
    // window first.
    QStringList windows(const QProcess& program, int count, const QString& title = QStringLiteral("Quorvane"))
    {
        QStringList shown;
        for (int tries = 0; tries < 150 && (shown = windowsNamed(wholeTitle(title), program.processId())).size() != count; ++tries)
            QTest::qWait(100);
        std::stable_partition(shown.begin(), shown.end(), isMainWindow);
        return shown;
    }

    void keys(const QString& window, const QStringList& keys) { pressKeys(window, keys, 50); }
    void type(const QString& window, const QString& text) { typeText(window, text, 30); }
    void closeWithTheCloseButton(QProcess& program, const QString& window)
    {
        EXPECT_TRUE(closedWithTheCloseButton(program, window));
    }

    QString recovery() const { return m_temp.file(QStringLiteral("state/Quorvane/recovery")); }
    QStringList copies() const
    {
        return QDir(recovery()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
    }
    bool copyAppears()
    {
        return QTest::qWaitFor([this] { return copies().size() == 1; }, 5000);
    }
    static void killHard(QProcess& program)
    {
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        program.waitForFinished(10000);
    }

    TempFolder m_temp;
    QString m_book;
};
} // namespace

TEST_F(RecoveryEndToEnd, ChangesOfAKilledEditorAreOfferedAtTheNextStartRestoredAndSaved)
{
    auto first = start();
    const QString main = windows(*first, 1).value(0);
    type(main, QStringLiteral(", today"));
    ASSERT_TRUE(copyAppears());
    killHard(*first);
    EXPECT_EQ(TempFolder::read(m_book), Original);

    // Asked before the file of the command line: Enter takes the default answer, Yes.
    auto second = start();
    QStringList shown = windows(*second, 2);
    ASSERT_EQ(shown.size(), 2) << "no question about the unsaved changes";
    keys(shown[1], {"Return"});
    ASSERT_EQ(windows(*second, 1).size(), 1);
    EXPECT_EQ(TempFolder::read(m_book), Original);  // untouched until saved
    keys(shown[0], {"ctrl+s"});
    EXPECT_TRUE(QTest::qWaitFor([this] { return TempFolder::read(m_book) == Edited; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([this] { return copies().isEmpty(); }, 1000));  // gone with the save
    closeWithTheCloseButton(*second, shown[0]);  // saved: no question on closing either

    auto third = start();
    shown = windows(*third, 1);
    QTest::qWait(1000);
    EXPECT_EQ(windows(*third, 1).size(), 1) << "asked again";
    closeWithTheCloseButton(*third, shown[0]);
}

TEST_F(RecoveryEndToEnd, WhatIsTypedIntoEveryKindOfBoxComesBackByteForByte)
{
    // A line long enough to be shown in pieces, in the closing remarks.
    QByteArray longLine;
    while (longLine.size() < 5000)
        longLine += "lorem ipsum dolor sit amet ";
    longLine.chop(1);
    const auto book = [&](const QByteArray& headline, const QByteArray& opening, const QByteArray& benefits,
                          const QByteArray& closing) {
        return "[[[QVN FILE]]]Garden Basics\r\n" + headline + "\r\n\r\n" + opening + "\r\n\r\n" + benefits + "\r\n" +
               closing + "\r\n\r\n\r\n";
    };
    const QByteArray original = book("Grow More With Less", "First line<BR>Second line", "", longLine);
    m_temp.write(QStringLiteral("book.qvn"), original);

    auto first = start();
    const QString main = windows(*first, 1).value(0);
    // One-line: the headline, where the cursor starts.
    type(main, QStringLiteral(", today"));
    // Pasted into a multi-line box: the whole headline.
    keys(main, {"ctrl+a", "ctrl+c", "Tab", "Tab", "Tab", "Tab", "ctrl+v"});
    // Typed into a multi-line box, a new line too.
    keys(main, {"shift+Tab", "shift+Tab", "ctrl+End"});
    type(main, QStringLiteral(" more"));
    keys(main, {"Return"});
    type(main, QStringLiteral("Third line"));
    // Typed at the end of the long line shown in pieces.
    keys(main, {"Tab", "Tab", "Tab", "ctrl+End"});
    type(main, QStringLiteral(" closing words"));
    ASSERT_TRUE(copyAppears());
    const QString copy = recovery() + QLatin1Char('/') + copies().front();
    EXPECT_TRUE(QTest::qWaitFor([&] { return TempFolder::read(copy).contains("closing words"); }, 5000));
    killHard(*first);
    EXPECT_EQ(TempFolder::read(m_book), original);

    auto second = start();
    QStringList shown = windows(*second, 2);
    ASSERT_EQ(shown.size(), 2) << "no question about the unsaved changes";
    keys(shown[1], {"Return"});
    ASSERT_EQ(windows(*second, 1).size(), 1);
    keys(shown[0], {"ctrl+s"});
    const QByteArray edited = book("Grow More With Less, today", "First line<BR>Second line more<BR>Third line",
                                   "Grow More With Less, today", longLine + " closing words");
    EXPECT_TRUE(QTest::qWaitFor([&] { return TempFolder::read(m_book) == edited; }, 5000));
    EXPECT_EQ(TempFolder::read(m_book), edited);
    closeWithTheCloseButton(*second, shown[0]);
}

TEST_F(RecoveryEndToEnd, AKilledEditorNotYetWaitedForIsAskedAboutAndEscKeepsItsCopy)
{
    // The editor under a parent that never waits for it: once killed, it stays a zombie.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_temp.file(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), m_temp.file(QStringLiteral("state")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess parent;
    parent.setProcessEnvironment(environment);
    parent.start(QStringLiteral("sh"), {"-c", "\"$0\" \"$1\" & echo $!; exec sleep 120",
                                        qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), m_book});
    ASSERT_TRUE(parent.waitForReadyRead(10000));
    const qint64 pid = parent.readLine().trimmed().toLongLong();
    const QString title = wholeTitle(QStringLiteral("Quorvane"));
    const QString main = windowsShown(title, pid).value(0);
    ASSERT_FALSE(main.isEmpty());
    type(main, QStringLiteral(", today"));
    ASSERT_TRUE(copyAppears());
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowsNamed(title, pid).isEmpty(); }, 5000));

    // At once, while the killed editor is still a zombie.
    auto second = start();
    QStringList shown = windows(*second, 2);
    ASSERT_EQ(shown.size(), 2) << "no question about the unsaved changes";
    keys(shown[1], {"Escape"});
    ASSERT_EQ(windows(*second, 1).size(), 1);
    EXPECT_EQ(copies().size(), 1);
    closeWithTheCloseButton(*second, shown[0]);  // the book as it was: nothing to ask about
    EXPECT_EQ(copies().size(), 1) << "closing the editor took the copy with it";

    // Asked again at the next start, and taken this time.
    auto third = start();
    shown = windows(*third, 2);
    ASSERT_EQ(shown.size(), 2) << "the copy was not offered again";
    keys(shown[1], {"Return"});
    ASSERT_EQ(windows(*third, 1).size(), 1);
    keys(shown[0], {"ctrl+s"});
    EXPECT_TRUE(QTest::qWaitFor([this] { return TempFolder::read(m_book) == Edited; }, 5000));
    closeWithTheCloseButton(*third, shown[0]);
    parent.kill();
    parent.waitForFinished();
}

TEST_F(RecoveryEndToEnd, ACopyWhoseFileIsNowALinkIsSavedOnlyWhereTheUserChooses)
{
    auto first = start();
    type(windows(*first, 1).value(0), QStringLiteral(", today"));
    ASSERT_TRUE(copyAppears());
    killHard(*first);
    // The book's place now holds a link to another book.
    const QString elsewhere = m_temp.write(QStringLiteral("elsewhere.qvn"), Original);
    QFile::remove(m_book);
    ASSERT_TRUE(QFile::link(elsewhere, m_book));

    auto second = start({});
    QStringList shown = windows(*second, 2);
    ASSERT_EQ(shown.size(), 2);
    keys(shown[1], {"Return"});
    ASSERT_EQ(windows(*second, 1).size(), 1);
    keys(shown[0], {"ctrl+s"});
    const QString saveDialog = windows(*second, 1, QStringLiteral("Save File")).value(0);
    ASSERT_FALSE(saveDialog.isEmpty()) << "saved without asking where";
    const QString path = m_temp.file(QStringLiteral("chosen.qvn"));
    type(saveDialog, path);
    keys(saveDialog, {"Return"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return TempFolder::read(path) == Edited; }, 5000));
    EXPECT_EQ(TempFolder::read(elsewhere), Original);
    EXPECT_TRUE(QFileInfo(m_book).isSymLink());
    closeWithTheCloseButton(*second, shown[0]);
}

TEST_F(RecoveryEndToEnd, ARunningEditorsCopyIsLeftAloneNoDeletesItADamagedOneIsSetAside)
{
    auto first = start();
    const QString main = windows(*first, 1).value(0);
    type(main, QStringLiteral(", today"));
    ASSERT_TRUE(copyAppears());
    const QString copy = recovery() + QLatin1Char('/') + copies().front();
    const QByteArray bytes = TempFolder::read(copy);

    // A second editor while the first still runs: nothing to ask about.
    auto second = start();
    const QString other = windows(*second, 1).value(0);
    QTest::qWait(1000);
    EXPECT_EQ(windows(*second, 1).size(), 1);
    closeWithTheCloseButton(*second, other);
    EXPECT_EQ(TempFolder::read(copy), bytes);

    killHard(*first);
    auto third = start();
    QStringList shown = windows(*third, 2);
    ASSERT_EQ(shown.size(), 2);
    keys(shown[1], {"n"});
    ASSERT_EQ(windows(*third, 1).size(), 1);
    EXPECT_TRUE(copies().isEmpty());
    // New changes, and No to saving them on closing: their copy goes with them.
    type(shown[0], QStringLiteral(" again"));
    ASSERT_TRUE(copyAppears());
    clickAt(shown[0], 958, 32);  // Close
    keys(windows(*third, 2).value(1), {"n"});
    EXPECT_TRUE(third->waitForFinished(15000) && third->exitCode() == 0);
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_EQ(TempFolder::read(m_book), Original);

    // The same copy again, cut short.
    m_temp.write(QDir(m_temp.path()).relativeFilePath(copy), bytes.chopped(10));
    auto fourth = start();
    shown = windows(*fourth, 1);
    QTest::qWait(1000);
    EXPECT_EQ(windows(*fourth, 1).size(), 1);
    closeWithTheCloseButton(*fourth, shown[0]);
    const QString err = QString::fromLocal8Bit(fourth->readAllStandardError());
    EXPECT_TRUE(err.contains(copy + QStringLiteral(": damaged recovery copy (truncated), moved to ") + recovery() +
                             QStringLiteral("/damaged/")))
        << err.toStdString();
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_EQ(QDir(recovery() + QStringLiteral("/damaged")).entryList(QDir::Files).size(), 1);
}

TEST_F(RecoveryEndToEnd, AFolderThatCannotBeWrittenCostsOnlyTheCopy)
{
    // A file where the folder should be: no copy can be made, whoever runs the test.
    QDir(m_temp.path()).mkpath(QStringLiteral("state/Quorvane"));
    m_temp.write(QStringLiteral("state/Quorvane/recovery"), "in the way");
    auto editor = start();
    const QString main = windows(*editor, 1).value(0);
    type(main, QStringLiteral(", today"));
    QTest::qWait(3000);
    EXPECT_EQ(windows(*editor, 1).size(), 1) << "the user was interrupted";
    keys(main, {"ctrl+s"});
    EXPECT_TRUE(QTest::qWaitFor([this] { return TempFolder::read(m_book) == Edited; }, 5000));
    closeWithTheCloseButton(*editor, main);
    EXPECT_TRUE(QString::fromLocal8Bit(editor->readAllStandardError()).contains("no recovery copy"));
}

TEST_F(RecoveryEndToEnd, ANewDescriptionWithoutAFileIsRestoredAndSavedWhereTheUserChooses)
{
    auto first = start({});
    QStringList shown = windows(*first, 2);  // the main window and the start dialog
    ASSERT_EQ(shown.size(), 2);
    clickAt(shown[1], 246, 80);  // Start a new book description
    const QString wizard = windows(*first, 1, QStringLiteral("Start New Description")).value(0);
    type(wizard, QStringLiteral("Seed Book"));
    keys(wizard, {"Return"});
    ASSERT_EQ(windows(*first, 1).size(), 1);
    type(shown[0], QStringLiteral("Fresh start"));
    ASSERT_TRUE(copyAppears());
    killHard(*first);

    auto second = start({});
    shown = windows(*second, 2);
    ASSERT_EQ(shown.size(), 2);
    keys(shown[1], {"Return"});  // Yes, and no start dialog after it
    ASSERT_EQ(windows(*second, 1).size(), 1);
    keys(shown[0], {"ctrl+s"});
    const QString saveDialog = windows(*second, 1, QStringLiteral("Save File")).value(0);
    const QString path = m_temp.file(QStringLiteral("seed.qvn"));
    type(saveDialog, path);
    keys(saveDialog, {"Return"});
    const QByteArray saved = "[[[QVN FILE]]]Seed Book\r\nFresh start\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    EXPECT_TRUE(QTest::qWaitFor([&] { return TempFolder::read(path) == saved; }, 5000));
    closeWithTheCloseButton(*second, shown[0]);
    EXPECT_TRUE(copies().isEmpty());
}
