// Spelling in the section boxes: marks as you type, the context menu's entries, the personal
// word list, and the quiet way out when there is no dictionary.
#include "AppTestSupport.h"
#include "AttachSpelling.h"
#include "LongLine.h"
#include "SpellDictionary.h"
#include "SectionTextEdit.h"
#include "SpellHighlighter.h"
#include "SpellFieldHighlighter.h"
#include "SpellMenu.h"
#include "SpellService.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QImage>
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
        for (QTextBlock b = static_cast<QPlainTextEdit*>(box(i))->document()->begin(); b.isValid(); b = b.next()) {
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
    EXPECT_TRUE(actions[n]->isSeparator());
    EXPECT_EQ(actions[n + 1]->text(), SpellMenu::addText());
    EXPECT_EQ(actions[n + 2]->text(), SpellMenu::ignoreText());
    EXPECT_TRUE(actions[n + 3]->isSeparator());
    EXPECT_GT(actions.size(), n + 6);  // the box's usual entries follow

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
    EXPECT_EQ(plain->actions().size(), actions.size() - n - 4);
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

namespace {
// The columns of a one-line box where it draws the underline's red, as the box draws itself now.
QList<int> redColumns(QLineEdit* line)
{
    const QImage drawn = line->grab().toImage();
    QList<int> columns;
    for (int x = 0; x < drawn.width(); ++x) {
        for (int y = 0; y < drawn.height(); ++y) {
            const QRgb p = drawn.pixel(x, y);
            // The red of the underline, not the orange of a headline's text (green at 128 and more).
            if (qRed(p) > 200 && qGreen(p) < 110 && qBlue(p) < 110) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

// Where a text position of a one-line box is drawn; the cursor goes back where it was.
int columnOf(QLineEdit* line, int position)
{
    const int cursor = line->cursorPosition();
    line->setCursorPosition(position);
    const int x = line->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    line->setCursorPosition(cursor);
    return x;
}
} // namespace

TEST_F(SpellCheckTest, TheOneLineBoxDrawsTheWavyLineUnderTheWordWhereverTheCursorIs)
{
    const QString text = QStringLiteral("A fine headlin for the book");
    type(Headline, text);
    ASSERT_TRUE(waitForMarks(Headline));
    const int from = columnOf(headline(), 7), to = columnOf(headline(), 14);
    // The cursor at the end after typing, at the start, inside the word, and at the end
    // again after one more word typed.
    for (const auto& [step, keys] : {std::pair("typed", QString()), std::pair("home", QStringLiteral("home")),
                                     std::pair("in the word", QStringLiteral("right")),
                                     std::pair("typed on", QStringLiteral("end"))}) {
        SCOPED_TRACE(step);
        if (keys == u"home")
            QTest::keyClick(headline(), Qt::Key_Home);
        else if (keys == u"right")
            for (int i = 0; i < 9; ++i)
                QTest::keyClick(headline(), Qt::Key_Right);
        else if (keys == u"end") {
            QTest::keyClick(headline(), Qt::Key_End);
            QTest::keyClicks(headline(), QStringLiteral(" now"));
        }
        QApplication::processEvents();
        const QList<int> red = redColumns(headline());
        ASSERT_FALSE(red.isEmpty()) << "no red drawn";
        EXPECT_GE(red.front(), from - 1);
        EXPECT_LE(red.back(), to + 1);
        EXPECT_GE(red.back() - red.front(), (to - from) * 3 / 4);
    }
    EXPECT_EQ(marked(Headline), QStringList({"headlin"}));
}

TEST_F(SpellCheckTest, AddToDictionaryAloneTakesTheWordsMarksFromEveryBoxAtOnce)
{
    for (int i : {Headline, Subheadline, OpeningRemarks, MainBenefits})
        window.boxes().setBoxText(i, QStringLiteral("Zorblax and Quuxity"));
    ASSERT_TRUE(waitForMarks(OpeningRemarks));
    ASSERT_TRUE(waitForMarks(Headline));
    headline()->setFocus();
    headline()->setCursorPosition(2);
    QTest::keyClick(headline(), Qt::Key_F10, Qt::ShiftModifier);
    auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    const QList<QAction*> actions = shown->actions();
    const auto add = std::find_if(actions.begin(), actions.end(), [](QAction* a) { return a->text() == SpellMenu::addText(); });
    ASSERT_NE(add, actions.end());
    (*add)->trigger();
    shown->close();
    QApplication::processEvents();
    for (int i : {Headline, Subheadline, OpeningRemarks, MainBenefits})
        EXPECT_EQ(marked(i), QStringList({"Quuxity"})) << i;
    // What the one-line box draws: red under the second word only.
    const QList<int> red = redColumns(headline());
    ASSERT_FALSE(red.isEmpty());
    EXPECT_GE(red.front(), columnOf(headline(), 12) - 1);
}

// A line longer than LongLineLength is checked a piece at a time around each edit (the section
// boxes never hold one, as they show it in pieces; a plain edit with spelling attached does);
// a piece that begins in a tag's attribute text, however far from its "<", checks none of it.
TEST_F(SpellCheckTest, AttributeTextStaysUnmarkedWhenALongLinesCheckBeginsInsideTheTag)
{
    QString attribute;
    while (attribute.size() < LongLineLength + 1000)
        attribute += QStringLiteral("Korrect wurds ");
    const QString before = QStringLiteral("Good words here. ").repeated(10);
    const QString line = before + "<img alt=\"" + attribute + "\"> Mispeled after. " + QStringLiteral("Fine text. ").repeated(40);
    QPlainTextEdit edit;
    edit.resize(600, 300);
    attachSpelling(&edit, service());
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    edit.setPlainText(line);
    ASSERT_TRUE(service().waitUntilReady());
    // An edit in the attribute far more than 1,024 characters after its "<": the words around
    // it, and then those in view, are checked again from inside the tag.
    QTextCursor cursor(edit.document());
    cursor.setPosition(static_cast<int>(before.size() + 10 + attribute.size() - 20));
    edit.setTextCursor(cursor);
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("x"));
    QApplication::processEvents();
    QStringList marks;
    for (const SpellingWord& w : SpellHighlighter::marks(edit.document()->begin()))
        marks.append(edit.document()->begin().text().mid(w.start, w.length));
    EXPECT_FALSE(marks.contains(QStringLiteral("wurds"))) << marks.join(u' ').toStdString();
    EXPECT_TRUE(marks.contains(QStringLiteral("Mispeled"))) << marks.join(u' ').toStdString();
}

// A line longer than LongLineLength is shown in pieces, and the cut may fall
// between two words of a tag's attribute text: the next piece begins inside the tag.
TEST_F(SpellCheckTest, APieceOfALongLineThatBeginsInsideATagLeavesItsAttributeTextUnmarked)
{
    const QString before = QStringLiteral("Good words here. ").repeated(230);
    const QString tag = "<a title=\"" + QStringLiteral("Korrect wurds ").repeated(20) + "\">Link</a>";
    const QString line = before + tag + QStringLiteral(" Mispeled after. ") + QStringLiteral("Fine text. ").repeated(40);
    window.boxes().setBoxText(OpeningRemarks, line);
    auto* edit = static_cast<SectionTextEdit*>(remarks());
    ASSERT_EQ(edit->splitCount(), 1);
    const QTextBlock piece = edit->document()->begin().next();
    ASSERT_TRUE(piece.text().startsWith(QStringLiteral("wurds "))) << piece.text().left(40).toStdString();
    ASSERT_TRUE(service().waitUntilReady());
    // The second piece in view and checked; then typed in, and its line's first piece typed in.
    edit->moveCursor(QTextCursor::End);
    edit->ensureCursorVisible();
    edit->findChild<SpellHighlighter*>()->checkVisibleNow();
    const auto wurds = [&] { return marked(OpeningRemarks).count(QStringLiteral("wurds")); };
    EXPECT_TRUE(marked(OpeningRemarks).contains(QStringLiteral("Mispeled")));
    EXPECT_EQ(wurds(), 0);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral(" Zorblaxo"));
    EXPECT_EQ(wurds(), 0);
    QTextCursor cursor(edit->document());
    cursor.setPosition(piece.position() - 2);
    edit->setTextCursor(cursor);
    QTest::keyClicks(edit, QStringLiteral("e"));
    EXPECT_EQ(wurds(), 0) << "an edit in the first piece";
    // Closing the tag there leaves the second piece's words outside it: now they are prose.
    QTest::keyClicks(edit, QStringLiteral("\">"));
    EXPECT_GT(wurds(), 0);
}

// A word of the longest length is checked, one letter more is no word; the words looked up
// stay within their byte budget however long they are.
TEST_F(SpellCheckTest, WordsUpToTheLimitAreCheckedLongerOnesNotAndTheMemoryOfThemIsBounded)
{
    ASSERT_TRUE(service().waitUntilReady());
    EXPECT_TRUE(service().misspelled(QString(SpellDictionary::MaxWordLength, u'q')));
    EXPECT_FALSE(service().misspelled(QString(SpellDictionary::MaxWordLength + 1, u'q')));
    EXPECT_TRUE(service().suggestions(QString(SpellDictionary::MaxWordLength + 1, u'q')).isEmpty());
    // Words at the longest length, remembered, half again as many as fit.
    for (int i = 0; i < 12000; ++i)
        service().misspelled(QString(SpellDictionary::MaxWordLength - 7, u'q') + QString::number(1000000 + i));
    EXPECT_GT(service().rememberedBytes(), SpellService::RememberedBytes / 4);
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
    // A list reached through a link (as dotfile managers keep them), its lines ended by CR LF,
    // long enough to come in over many turns: words marked before it is all in lose their marks.
    QFile::remove(list);
    const QString kept = m_privateHome.path() + "/dotfiles/en_US.dic";
    QDir().mkpath(QFileInfo(kept).path());
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 300000; ++i)
        file.write("fillerword" + QByteArray::number(100000 + i) + "\r\n");
    file.write("Zorblax\r\n# a comment\r\nQuuxity\r\n");
    file.close();
    ASSERT_TRUE(QFile::link(kept, list));
    frmMain other;
    other.show();
    auto* remarksBox = static_cast<QPlainTextEdit*>(other.boxes().widget(OpeningRemarks));
    const auto marks = [&] { return SpellHighlighter::marks(remarksBox->document()->begin()).size(); };
    other.boxes().setBoxText(OpeningRemarks, QStringLiteral("Zorblax and Quuxity"));
    auto* service = other.findChild<SpellService*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return marks() > 0 || (service->ready() && !service->loadingPersonalWords()); }, 20000));
    EXPECT_TRUE(service->loadingPersonalWords()) << "marked only once the list was in: nothing tested";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !service->loadingPersonalWords() && marks() == 0; }, 20000)) << marks();
}
