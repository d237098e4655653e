// The help window over the built help book: its topic, contents, index, search and history.
#include "Help.h"
#include "HelpBrowser.h"
#include "HelpFile.h"
#include "HelpWindow.h"
#include "TempFolder.h"

#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {
QString builtHelpFile() { return qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/qvn.qch"); }

QString page(const HelpWindow* window) { return window->browser()->source().path(); }
const QString MainTopic = QStringLiteral("/doc/Working on your book description.htm");
const QString Sections = QStringLiteral("/doc/The sections of a description.htm");
} // namespace

TEST(HelpFile, LooksBesideTheProgramThenInTheInstalledDataFolder)
{
    EXPECT_EQ(HelpFile::Candidates(QStringLiteral("/opt/q/bin")),
              QStringList({"/opt/q/bin/qvn.qch", "/opt/q/share/quorvane/qvn.qch"}));
    TempFolder temp;
    const QStringList candidates = HelpFile::Candidates(temp.file(QStringLiteral("bin")));
    EXPECT_EQ(HelpFile::Find(candidates), QString());
    QDir(temp.path()).mkpath(QStringLiteral("share/quorvane"));
    temp.write(QStringLiteral("share/quorvane/qvn.qch"), "x");
    EXPECT_EQ(HelpFile::Find(candidates), candidates[1]);
    QDir(temp.path()).mkpath(QStringLiteral("bin"));
    temp.write(QStringLiteral("bin/qvn.qch"), "x");
    EXPECT_EQ(HelpFile::Find(candidates), candidates[0]);
}

TEST(HelpWindow, OpensAtTheMainTopicOnceAndIsReusedForEveryCall)
{
    ASSERT_TRUE(QFileInfo::exists(builtHelpFile()));
    QWidget owner;
    HelpWindow* window = ShowHelpFrom(&owner, {QStringLiteral("/nowhere/qvn.qch"), builtHelpFile()});
    ASSERT_TRUE(window->hasHelpFile());
    EXPECT_TRUE(window->isVisible() && window->isWindow());
    EXPECT_EQ(window->parentWidget(), &owner);
    EXPECT_EQ(page(window), MainTopic);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Working on your book description - Quorvane Help"));
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("A typical session")));

    // The first link of the page, followed with the keyboard, then back and forward.
    auto* back = window->findChild<QToolButton*>(QStringLiteral("helpBack"));
    auto* forward = window->findChild<QToolButton*>(QStringLiteral("helpForward"));
    EXPECT_FALSE(back->isEnabled());
    window->browser()->setFocus();
    QTest::keyClick(window->browser(), Qt::Key_Tab);
    QTest::keyClick(window->browser(), Qt::Key_Return);
    EXPECT_EQ(page(window), Sections);
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("one benefit per line")));
    EXPECT_TRUE(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(page(window), MainTopic);
    ASSERT_TRUE(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(page(window), Sections);

    // Closed and asked again: the same window, back at the main topic.
    window->close();
    EXPECT_EQ(ShowHelpFrom(&owner, {builtHelpFile()}), window);
    EXPECT_EQ(owner.findChildren<HelpWindow*>().size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(page(window), MainTopic);
}

TEST(HelpWindow, ContentsIndexAndSearchLeadToPages)
{
    QWidget owner;
    HelpWindow* window = ShowHelpFrom(&owner, {builtHelpFile()});
    ASSERT_TRUE(window->hasHelpFile());
    auto* contents = window->findChild<QHelpContentWidget*>();
    ASSERT_NE(contents, nullptr);
    // The contents and index are read in the engine's own thread.
    QTest::qWaitFor([&] { return contents->model()->rowCount() != 0; }, 6000);
    ASSERT_EQ(contents->model()->rowCount(), 1);
    const QModelIndex top = contents->model()->index(0, 0);
    EXPECT_EQ(contents->model()->rowCount(top), 8);
    EXPECT_EQ(contents->model()->index(7, 0, top).data().toString(), QStringLiteral("When something goes wrong"));
    emit contents->activated(contents->model()->index(0, 0, top));
    EXPECT_EQ(page(window), Sections);

    auto* index = window->findChild<QHelpIndexWidget*>();
    auto* filter = window->findChild<QLineEdit*>(QStringLiteral("helpIndexFilter"));
    ASSERT_TRUE(index && filter);
    QTest::qWaitFor([&] { return index->model()->rowCount() != 0; }, 6000);
    window->navigation()->setCurrentIndex(1);
    QTest::keyClicks(filter, QStringLiteral("wizard"));
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(page(window), QStringLiteral("/doc/Starting a new description.htm"));

    QHelpSearchEngine* search = window->findChild<QHelpSearchEngine*>();
    ASSERT_NE(search, nullptr);
    window->navigation()->setCurrentIndex(2);
    auto* query = window->findChild<QWidget*>(QStringLiteral("helpSearchQuery"))->findChild<QLineEdit*>();
    auto* results = window->findChild<QWidget*>(QStringLiteral("helpSearchResults"))->findChild<QTextBrowser*>();
    ASSERT_TRUE(query && results);
    QTest::keyClicks(query, QStringLiteral("clipboard"));
    // The index is built in the engine's thread; ask again until it answers.
    for (int i = 0; i < 200 && search->searchResultCount() == 0; ++i) {
        QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
        QTest::keyClick(query, Qt::Key_Return);
        finished.wait(5000);
        if (search->searchResultCount() == 0)
            QTest::qWait(50);
    }
    EXPECT_TRUE(results->toPlainText().contains(QStringLiteral("Previewing and copying"))) << results->toPlainText().toStdString();
}

TEST(HelpWindow, AMissingHelpFileIsExplainedInsideTheWindow)
{
    QWidget owner;
    const QStringList candidates = {QStringLiteral("/nowhere/bin/qvn.qch"), QStringLiteral("/nowhere/share/quorvane/qvn.qch")};
    HelpWindow* window = ShowHelpFrom(&owner, candidates);
    EXPECT_FALSE(window->hasHelpFile());
    EXPECT_TRUE(window->isVisible());
    const QString text = window->browser()->toPlainText();
    for (const QString& part : {QStringLiteral("The help file qvn.qch was not found"), candidates[0], candidates[1]})
        EXPECT_TRUE(text.contains(part)) << part.toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvane Help"));
}
