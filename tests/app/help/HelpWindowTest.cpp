// The help window over the built help book: its topic, contents, index, search and history.
#include "Help.h"
#include "HelpBrowser.h"
#include "HelpFile.h"
#include "HelpSearchQuery.h"
#include "HelpSearchRunner.h"
#include "HelpWindow.h"
#include "QuotedTexts.h"
#include "TempFolder.h"

#include <QAccessible>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {
QString builtHelpFile() { return qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/qvn.qch"); }

QString page(const HelpWindow* window) { return window->browser()->source().path(); }
const QString MainTopic = QStringLiteral("/doc/Working on your book description.htm");
const QString Sections = QStringLiteral("/doc/The sections of a description.htm");

// The titles of the pages the search finds for the words, asked until the engine, which
// builds its index in a thread of its own, answers.
QString searchFor(HelpWindow* window, const QString& words)
{
    QHelpSearchEngine* search = window->findChild<QHelpSearchEngine*>();
    window->navigation()->setCurrentIndex(2);
    auto* query = window->findChild<QWidget*>(QStringLiteral("helpSearchQuery"))->findChild<QLineEdit*>();
    auto* results = window->findChild<QWidget*>(QStringLiteral("helpSearchResults"))->findChild<QTextBrowser*>();
    if (!search || !query || !results)
        return QStringLiteral("no search");
    query->clear();
    QTest::keyClicks(query, words);
    for (int i = 0; i < 200; ++i) {
        QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
        QTest::keyClick(query, Qt::Key_Return);
        finished.wait(5000);
        if (search->searchResultCount() != 0)
            break;
        QTest::qWait(50);
    }
    return results->toPlainText();
}
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
    EXPECT_EQ(contents->model()->rowCount(top), 12);
    EXPECT_EQ(contents->model()->index(4, 0, top).data().toString(), QStringLiteral("The store's content rules"));
    EXPECT_EQ(contents->model()->index(10, 0, top).data().toString(), QStringLiteral("When something goes wrong"));
    // Every title whole, none cut short by the width of the pane.
    const QAbstractItemView* tree = contents;
    EXPECT_TRUE(QTest::qWaitFor([&] { return tree->sizeHintForColumn(0) <= tree->viewport()->width(); }, 3000))
        << tree->sizeHintForColumn(0) << " > " << tree->viewport()->width();
    EXPECT_EQ(contents->accessibleName(), QStringLiteral("Contents"));
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

    const QString found = searchFor(window, QStringLiteral("clipboard"));
    EXPECT_TRUE(found.contains(QStringLiteral("Previewing and copying"))) << found.toStdString();
    // A screen reader hears the pane by its name and the pages found in its description.
    const QWidget* results = window->findChild<QWidget*>(QStringLiteral("helpSearchResults"));
    EXPECT_EQ(results->accessibleName(), QStringLiteral("Search results"));
    EXPECT_TRUE(results->findChild<QTextBrowser*>()->accessibleDescription().contains(QStringLiteral("Previewing and copying")));
}

// A search asked for while one runs waits its turn instead of holding the window up, and
// only the newest of those runs.
TEST(HelpWindow, ASearchWhileOneRunsWaitsItsTurnAndOnlyTheNewestRuns)
{
    QWidget owner;
    HelpWindow* window = ShowHelpFrom(&owner, {builtHelpFile()});
    auto* runner = window->findChild<HelpSearchRunner*>();
    auto* search = window->findChild<QHelpSearchEngine*>();
    ASSERT_TRUE(runner && search);
    QSignalSpy started(search, &QHelpSearchEngine::searchingStarted);
    runner->search(QStringLiteral("clipboard"));
    runner->search(QStringLiteral("wizard"));
    runner->search(QStringLiteral("tags"));
    EXPECT_TRUE(runner->isSearching());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !runner->isSearching(); }, 20000));
    EXPECT_EQ(started.count(), 2);
    EXPECT_EQ(search->searchInput(), QStringLiteral("tags"));
}

TEST(HelpWindow, TheLengthLimitTagsCommandLineAndUpdatesAreFound)
{
    QWidget owner;
    HelpWindow* window = ShowHelpFrom(&owner, {builtHelpFile()});
    ASSERT_TRUE(window->hasHelpFile());
    auto* index = window->findChild<QHelpIndexWidget*>();
    auto* filter = window->findChild<QLineEdit*>(QStringLiteral("helpIndexFilter"));
    ASSERT_TRUE(index && filter);
    QTest::qWaitFor([&] { return index->model()->rowCount() != 0; }, 6000);

    const QString checking = QStringLiteral("Checking a description before upload");
    const std::pair<QString, QString> topics[] = {
        {"limit", checking}, {"4,000", checking}, {"check", checking}, {"tag", checking},
        {"emoji", checking}, {"empty bullet", checking}, {"update", "Updating Quorvane"}};
    for (const auto& [words, title] : topics) {
        SCOPED_TRACE(words.toStdString());
        const QString found = searchFor(window, words);
        EXPECT_TRUE(found.contains(title)) << found.toStdString();
        // Back at the main topic, so that the index has to lead to the page.
        ASSERT_EQ(ShowHelpFrom(&owner, {builtHelpFile()}), window);
        ASSERT_EQ(page(window), MainTopic);
        window->navigation()->setCurrentIndex(1);
        filter->clear();
        QTest::keyClicks(filter, words);
        QTest::keyClick(filter, Qt::Key_Return);
        EXPECT_EQ(window->windowTitle(), title + QStringLiteral(" - Quorvane Help"));
    }
    // What to do without a preview is where the preview is explained.
    EXPECT_TRUE(searchFor(window, QStringLiteral("preview program")).contains(QStringLiteral("Previewing and copying")));
    EXPECT_TRUE(searchFor(window, QStringLiteral("export")).contains(QStringLiteral("Using the keyboard")));
    // A number as a newcomer types it; the snippets show the pages' quotation marks as such.
    EXPECT_TRUE(searchFor(window, QStringLiteral("4000")).contains(checking));
    for (const char* words : {"over", "downloading", "unexpected", "restore"}) {
        const QString found = searchFor(window, QLatin1String(words));
        EXPECT_FALSE(found.contains(QStringLiteral("Your search did not match"))) << words;
        EXPECT_FALSE(found.contains(QStringLiteral("&quot"))) << found.toStdString();
    }
}

// The messages the help explains are quoted as the program shows them.
TEST(HelpWindow, QuotesTheProgramsOwnMessages)
{
    QWidget owner;
    HelpWindow* window = ShowHelpFrom(&owner, {builtHelpFile()});
    ASSERT_TRUE(window->hasHelpFile());
    const std::pair<const char*, QString> quoted[] = {
        {"When something goes wrong", QString::fromLatin1(QuotedTexts::RecoveryQuestion).arg(QStringLiteral("file name"))},
        {"When something goes wrong", QString::fromLatin1(QuotedTexts::RecoveryQuestionNew)},
        {"When something goes wrong", QString::fromLatin1(QuotedTexts::UnexpectedError)},
        {"Updating Quorvane", QString::fromLatin1(QuotedTexts::UpdateQuestion).replace(QStringLiteral("\r\n"), QStringLiteral(" "))},
        {"Updating Quorvane", QString::fromLatin1(QuotedTexts::Downloading)},
        {"Previewing and copying", QString::fromLatin1(QuotedTexts::PreviewNotStarted)},
        {"Previewing and copying", QString::fromLatin1(QuotedTexts::PreviewStopped)},
    };
    for (const auto& [topic, text] : quoted) {
        window->showTopic(QLatin1String(topic) + QStringLiteral(".htm"));
        const QString page = window->browser()->toPlainText();
        EXPECT_TRUE(page.contains(u'\u201c' + text + u'\u201d')) << topic << ": " << text.toStdString();
    }
}

TEST(HelpSearchQuery, WordsWithOtherCharactersAreLookedForAsPhrases)
{
    EXPECT_EQ(HelpSearchQuery(QStringLiteral(" tag  check* ")), QStringLiteral("tag check*"));
    EXPECT_EQ(HelpSearchQuery(QStringLiteral("4,00 --check \u00e9t\u00e9")), QStringLiteral("\"4,00\" \"--check\" \u00e9t\u00e9"));
    // Numbers with or without the separators of their groups of three.
    const QString either = QStringLiteral("(\"4000\" OR \"4 000\")");
    EXPECT_EQ(HelpSearchQuery(QStringLiteral("4000")), either);
    EXPECT_EQ(HelpSearchQuery(QStringLiteral("4,000 limit")), either + QStringLiteral(" limit"));
    EXPECT_EQ(HelpSearchQuery(QStringLiteral("4.000")), either);
    EXPECT_EQ(HelpSearchQuery(QStringLiteral("1234567")), QStringLiteral("(\"1234567\" OR \"1 234 567\")"));
    EXPECT_EQ(HelpSearchQuery(QStringLiteral("999 1.5")), QStringLiteral("999 \"1.5\""));
    EXPECT_EQ(HelpSearchQuery(QStringLiteral("\"tag findings\" 4,000")), QStringLiteral("\"tag findings\" 4,000"));

    // Bounded: 200 characters, 16 words, "*" only after three letters.
    const QStringList words = QStringLiteral("w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 w12 w13 w14 w15 w16 w17").split(u' ');
    EXPECT_EQ(HelpSearchQuery(words.first(16).join(u' ')), words.first(16).join(u' '));
    EXPECT_EQ(HelpSearchQuery(words.join(u' ')), words.first(16).join(u' '));
    const QString longWord = QString(199, u'a');
    EXPECT_EQ(HelpSearchQuery(longWord + u'b'), longWord + u'b');
    EXPECT_EQ(HelpSearchQuery(longWord + QStringLiteral("bc")), longWord + u'b');
    EXPECT_EQ(HelpSearchQuery(QStringLiteral("abc* ab* a* * *abc ab*c \"ab*\" 12*")), QStringLiteral("abc* ab a abc abc \"ab\" 12"));
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

TEST(HelpWindow, AHelpFileThatCannotBeReadIsNotCalledMissing)
{
    TempFolder folder;
    QWidget owner;
    for (const QByteArray& bytes : {QByteArray(), QByteArray("SQLite format 3") + QByteArray(1, '\0') + QByteArray(200, 'z'),
                                    QByteArray(4096, '\xa5')}) {
        const QString damaged = folder.write(QStringLiteral("qvn.qch"), bytes);
        const QStringList candidates = {damaged, QStringLiteral("/nowhere/share/quorvane/qvn.qch")};
        HelpWindow window(&owner, candidates);
        EXPECT_FALSE(window.hasHelpFile());
        const QString text = window.browser()->toPlainText();
        EXPECT_TRUE(text.contains(QStringLiteral("The help file qvn.qch could not be read"))) << text.toStdString();
        EXPECT_TRUE(text.contains(damaged)) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("not found"))) << text.toStdString();
        EXPECT_FALSE(text.contains(candidates[1])) << "only the file found is named";
    }
}

namespace {
// The buttons a screen reader meets in the window now, by name (showing ones only).
QStringList shownButtons(QWidget* window)
{
    QStringList names;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible)
            return;
        const QAccessible::Role role = node->role();
        if (role == QAccessible::Button || role == QAccessible::ButtonMenu || role == QAccessible::ButtonDropDown)
            names.append(node->text(QAccessible::Name));
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return names;
}
} // namespace

TEST(HelpWindow, EveryButtonOnEveryTabHasAName)
{
    HelpWindow window(nullptr, {builtHelpFile()});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int tab = 0; tab < window.navigation()->count(); ++tab) {
        window.navigation()->setCurrentIndex(tab);
        const QString name = window.navigation()->tabText(tab);
        if (name == u"Search")
            QTest::keyClicks(window.findChild<QWidget*>(QStringLiteral("helpSearchQuery"))->findChild<QLineEdit*>(),
                             QStringLiteral("box"));
        const QStringList buttons = shownButtons(&window);
        EXPECT_FALSE(buttons.contains(QString())) << name.toStdString() << ": " << buttons.join(u',').toStdString();
        EXPECT_TRUE(buttons.contains(QStringLiteral("Back"))) << name.toStdString();
        if (name == u"Search") {
            for (const char* expected : {"Search", "Clear", "First result page",
                                         "Previous result page", "Next result page", "Last result page"})
                EXPECT_TRUE(buttons.contains(QLatin1String(expected))) << expected << " in " << buttons.join(u',').toStdString();
        }
    }
    // Those that show only in other modes of the search, the search history's among them, too.
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty())
            << button->metaObject()->className() << " in " << button->parentWidget()->metaObject()->className();
    const auto named = [&](const QString& name) {
        const QList<QAbstractButton*> all = window.findChildren<QAbstractButton*>();
        return std::count_if(all.begin(), all.end(), [&](QAbstractButton* b) { return b->accessibleName() == name; });
    };
    EXPECT_EQ(named(QStringLiteral("Previous search")), 1);
    EXPECT_EQ(named(QStringLiteral("Next search")), 1);
}
