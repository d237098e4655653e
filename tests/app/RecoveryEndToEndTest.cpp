// The built program on a real X server, killed while changes are unsaved and started again.
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
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
