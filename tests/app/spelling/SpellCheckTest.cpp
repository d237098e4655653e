// Spelling in the section boxes: marks as you type, the context menu's entries, the personal
// word list, and the quiet way out when there is no dictionary.
#include "AppTestSupport.h"
#include "SpellDictionary.h"
#include "SpellHighlighter.h"
#include "SpellFieldHighlighter.h"
#include "SpellMenu.h"
#include "SpellService.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <sys/stat.h>

namespace {
class SpellCheckTest : public FirstRunTest {
protected:
    SpellCheckTest() : m_home(qgetenv("HOME"))
    {
        qputenv("LC_ALL", "en_US.UTF-8");
        // A first run for the personal word lists too: some engines keep theirs in the home folder.
        qputenv("HOME", m_privateHome.path().toUtf8());
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/enchant").removeRecursively();
    }
    ~SpellCheckTest() override
    {
        qunsetenv("LC_ALL");
        qputenv("HOME", m_home);
    }

    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget* box(int i) { return window.boxes().widget(i); }
    QPlainTextEdit* remarks() { return static_cast<QPlainTextEdit*>(box(OpeningRemarks)); }
    QLineEdit* headline() { return static_cast<QLineEdit*>(box(Headline)); }
    SpellService& service() { return *window.findChild<SpellService*>(); }

    // The marked words of a box, as text.
    QStringList marked(int i)
    {
        QStringList words;
        if (auto* line = qobject_cast<QLineEdit*>(box(i))) {
            for (const SpellingWord& w : line->findChild<SpellFieldHighlighter*>()->marks())
                words.append(line->text().mid(w.start, w.length));
            return words;
        }
        for (QTextBlock b = remarks()->document()->begin(); b.isValid(); b = b.next()) {
            for (const SpellingWord& w : SpellHighlighter::marks(b))
                words.append(b.text().mid(w.start, w.length));
        }
        return words;
    }
    void type(int i, const QString& text)
    {
        box(i)->setFocus();
        const QStringList lines = text.split(u'\n');
        for (qsizetype n = 0; n < lines.size(); ++n) {
            if (n > 0)
                QTest::keyClick(box(i), Qt::Key_Return);
            QTest::keyClicks(box(i), lines[n]);
        }
    }
    bool waitForMarks(int i) { return QTest::qWaitFor([&] { return !marked(i).isEmpty(); }, 20000); }

    const QByteArray m_home;
    QTemporaryDir m_privateHome;
    frmMain window;
};
} // namespace

TEST_F(SpellCheckTest, MisspelledWordsAreMarkedAsTypedButMarkupCapitalsAndDigitsAreNot)
{
    type(OpeningRemarks, QStringLiteral("Ths <b class=\"bok\">book</b> &amp; www.exmple.com KINDEL mp3 is grate.\n"
                                        "Second line, still korrect."));
    ASSERT_TRUE(waitForMarks(OpeningRemarks));
    EXPECT_EQ(marked(OpeningRemarks), QStringList({"Ths", "korrect"}));
    // With the dictionary there, each key checks its line at once.
    QTest::keyClick(remarks(), Qt::Key_Home);
    QTest::keyClicks(remarks(), QStringLiteral("Anuther "));
    EXPECT_EQ(marked(OpeningRemarks), QStringList({"Ths", "Anuther", "korrect"}));
    QTest::keyClick(remarks(), Qt::Key_Left);
    QTest::keyClick(remarks(), Qt::Key_Backspace);
    EXPECT_EQ(marked(OpeningRemarks), QStringList({"Ths", "Anuthe", "korrect"}));
    type(Headline, QStringLiteral("A headlin <i>wit</i> ann@exmple.org"));
    ASSERT_TRUE(waitForMarks(Headline));
    EXPECT_EQ(marked(Headline), QStringList({"headlin"}));
    // Mending a word takes its mark away; the text and the document are nothing but typed.
    QTest::keyClick(box(Headline), Qt::Key_Home);
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(box(Headline), Qt::Key_Right);
    QTest::keyClicks(box(Headline), QStringLiteral("e"));
    EXPECT_EQ(marked(Headline), QStringList());
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("A headline <i>wit</i> ann@exmple.org"));
    // The title is read-only: nothing of it is checked.
    EXPECT_EQ(window.boxes().widget(BookTitleBox)->findChild<SpellFieldHighlighter*>(), nullptr);
}

TEST_F(SpellCheckTest, AChosenSuggestionReplacesExactlyTheWordAsOneUndoStep)
{
    window.boxes().setBoxText(OpeningRemarks, QStringLiteral("First line.\r\nA mispeled word."));
    ASSERT_TRUE(waitForMarks(OpeningRemarks));
    const int inWord = static_cast<int>(QStringLiteral("First line.\nA misp").size());
    std::unique_ptr<QMenu> menu(remarks()->findChild<SpellMenu*>()->createMenu(inWord));
    const QList<QAction*> actions = menu->actions();
    const QStringList suggestions = service().suggestions(QStringLiteral("mispeled"));
    ASSERT_GE(suggestions.size(), 1);
    ASSERT_LE(suggestions.size(), SpellService::MostSuggestions);
    const auto n = suggestions.size();
    for (qsizetype i = 0; i < n; ++i)
        EXPECT_EQ(actions[i]->text(), suggestions[i]);
    EXPECT_EQ(actions[n]->text(), SpellMenu::addText());
    EXPECT_EQ(actions[n + 1]->text(), SpellMenu::ignoreText());
    EXPECT_TRUE(actions[n + 2]->isSeparator());
    EXPECT_GT(actions.size(), n + 5);  // the box's usual entries follow

    actions[0]->trigger();
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), "First line.\r\nA " + suggestions[0] + " word.");
    remarks()->setFocus();
    QTest::keyClick(remarks(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), QStringLiteral("First line.\r\nA mispeled word."));

    // The same in a one-line box, whose menu opens with Shift+F10 at the cursor.
    headline()->setText(QStringLiteral("Wurds matter"));
    headline()->setFocus();
    headline()->setCursorPosition(2);
    QTest::keyClick(headline(), Qt::Key_F10, Qt::ShiftModifier);
    auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    const QString first = service().suggestions(QStringLiteral("Wurds")).value(0);
    EXPECT_EQ(shown->actions().value(0)->text(), first);
    shown->actions().value(0)->trigger();
    shown->close();
    EXPECT_EQ(headline()->text(), first + " matter");
    QTest::keyClick(headline(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(headline()->text(), QStringLiteral("Wurds matter"));

    // A correct word has only the usual entries.
    std::unique_ptr<QMenu> plain(remarks()->findChild<SpellMenu*>()->createMenu(1));
    EXPECT_NE(plain->actions().value(0)->text(), SpellMenu::addText());
    EXPECT_EQ(plain->actions().size(), actions.size() - n - 3);
}

TEST_F(SpellCheckTest, AddedWordsStayForGoodAndIgnoredOnesForThisRun)
{
    window.boxes().setBoxText(OpeningRemarks, QStringLiteral("Zorblax and Quuxity"));
    window.boxes().setBoxText(Headline, QStringLiteral("Zorblax"));
    ASSERT_TRUE(waitForMarks(OpeningRemarks));
    ASSERT_TRUE(waitForMarks(Headline));
    // "Add to Dictionary" on the first word, "Ignore" on the last.
    for (const auto& [at, entry] : {std::pair(2, SpellMenu::addText()), std::pair(14, SpellMenu::ignoreText())}) {
        std::unique_ptr<QMenu> menu(remarks()->findChild<SpellMenu*>()->createMenu(at));
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(std::count_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == entry; }), 1);
        (*std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == entry; }))->trigger();
    }
    // Both boxes lose their marks at once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return marked(OpeningRemarks).isEmpty() && marked(Headline).isEmpty(); }, 5000));

    // A new start reads the personal word list again: the added word is known, the ignored one not.
    const std::unique_ptr<SpellDictionary> later = SpellDictionary::open(QStringLiteral("en_US"));
    ASSERT_NE(later, nullptr);
    EXPECT_TRUE(later->check(QStringLiteral("Zorblax")));
    EXPECT_FALSE(later->check(QStringLiteral("Quuxity")));
    QFile list(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/enchant/en_US.dic");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().contains("Zorblax"));
}

TEST_F(SpellCheckTest, NoDictionaryForTheLanguageOrTheSettingOffMarksNothingAndSaysNothing)
{
    for (const char* language : {"xx_YY.UTF-8", "en_US.UTF-8"}) {
        SCOPED_TRACE(language);
        qputenv("LC_ALL", language);
        if (QByteArray(language).startsWith("en"))
            SettingsStore::write(SettingKey::SpellCheck, QStringLiteral("0"));
        frmMain other;
        other.show();
        QTest::keyClicks(other.boxes().widget(OpeningRemarks), QStringLiteral("Nott a korrect sentense"));
        EXPECT_FALSE(other.findChild<SpellService*>()->waitUntilReady());
        QTest::qWait(50);
        const QTextBlock block = static_cast<QPlainTextEdit*>(other.boxes().widget(OpeningRemarks))->document()->begin();
        EXPECT_TRUE(SpellHighlighter::marks(block).isEmpty());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(SpellDictionary::languageFromLocale({}, {}, {}), QStringLiteral("en_US"));
    EXPECT_EQ(SpellDictionary::languageFromLocale(QStringLiteral("C.UTF-8"), {}, QStringLiteral("de_DE")),
              QStringLiteral("en_US"));
    EXPECT_EQ(SpellDictionary::languageFromLocale({}, QStringLiteral("de_AT.UTF-8@euro"), QStringLiteral("fr_FR")),
              QStringLiteral("de_AT"));
    EXPECT_EQ(SpellDictionary::languageFromLocale({}, {}, QStringLiteral("pt_BR.UTF-8")), QStringLiteral("pt_BR"));
}

// A word of the longest length is checked, one letter more is no word; the words looked up
// stay within their byte budget however long they are.
TEST_F(SpellCheckTest, WordsUpToTheLimitAreCheckedLongerOnesNotAndTheMemoryOfThemIsBounded)
{
    ASSERT_TRUE(service().waitUntilReady());
    EXPECT_TRUE(service().misspelled(QString(SpellDictionary::MaxWordLength, u'q')));
    EXPECT_FALSE(service().misspelled(QString(SpellDictionary::MaxWordLength + 1, u'q')));
    EXPECT_TRUE(service().suggestions(QString(SpellDictionary::MaxWordLength + 1, u'q')).isEmpty());
    for (int i = 0; i < 12000; ++i)
        service().misspelled(QString(SpellDictionary::MaxWordLength - 6, u'q') + QString::number(1000000 + i));
    EXPECT_GT(service().rememberedBytes(), 0);
    EXPECT_LE(service().rememberedBytes(), SpellService::RememberedBytes);
}

// A FIFO or a link to a device in place of the personal word list is passed over with a line:
// the dictionary comes without it, at once.
TEST_F(SpellCheckTest, APersonalWordListThatIsNoRegularFileIsPassedOverAndTheLoaderEnds)
{
    const QString list = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/enchant/en_US.dic";
    QDir().mkpath(QFileInfo(list).path());
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFO" : "/dev/zero");
        QFile::remove(list);
        if (fifo)
            ASSERT_EQ(::mkfifo(QFile::encodeName(list).constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), list));
        SpellService other;
        EXPECT_TRUE(other.waitUntilReady());
        // Programs started from here find the user's lists where they always are.
        EXPECT_FALSE(qEnvironmentVariableIsSet("ENCHANT_CONFIG_DIR"));
        EXPECT_TRUE(other.misspelled(QStringLiteral("Zorblax")));
        EXPECT_FALSE(other.misspelled(QStringLiteral("garden")));
    }
    QFile::remove(list);
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Zorblax\n# a comment\nQuuxity");
    file.close();
    SpellService other;
    EXPECT_TRUE(other.waitUntilReady());
    EXPECT_FALSE(other.misspelled(QStringLiteral("Zorblax")));
    EXPECT_FALSE(other.misspelled(QStringLiteral("Quuxity")));
}
