// A headline past the longest piece a box lays out at once: shown in pieces, read whole.
#include "AppTestSupport.h"
#include "DescriptionFile.h"
#include "FindingsModel.h"
#include "LongLineField.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype Longest = LongLineLength;

QString words(qsizetype length) { return u"Grow roses in any garden "_s.repeated(length / 25 + 1).left(length); }

class OneLineBoxTest : public FirstRunTest {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QLineEdit* edit() { return static_cast<QLineEdit*>(window.boxes().widget(Headline)); }
    LongLineField* field() { return static_cast<LongLineField*>(window.boxes().longForm(Headline)); }
    QString text() { return window.boxes().boxText(Headline); }
    static void keys(const QString& typed, Qt::Key key = Qt::Key_unknown, int times = 1, Qt::KeyboardModifiers held = {})
    {
        QTest::keyClicks(QApplication::focusWidget(), typed);
        for (int i = 0; key != Qt::Key_unknown && i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key, held);
        QCoreApplication::processEvents();
    }
    void placeCursor(qsizetype position)
    {
        QTextCursor cursor = field()->textCursor();
        cursor.setPosition(field()->shownPosition(position));
        field()->setTextCursor(cursor);
    }

    frmMain window;
};
} // namespace

TEST_F(OneLineBoxTest, TheLimitStaysALineEditOneMoreIsShownInPiecesBothReadBackWhole)
{
    QString expected = words(Longest);
    window.boxes().setBoxText(Headline, expected);
    EXPECT_TRUE(edit()->isVisible() && !field()->isVisible());
    edit()->setFocus();
    keys({}, Qt::Key_Return);
    EXPECT_EQ(text(), expected);

    // The key past the limit: the field takes the text, the focus and the cursor at the end.
    keys(u"z"_s);
    EXPECT_TRUE(field()->isVisible() && !edit()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), field());
    ASSERT_EQ(field()->splitCount(), 1);
    keys({}, Qt::Key_Return, 1, Qt::ShiftModifier);
    keys(u"yx"_s);
    const qsizetype split = field()->splits().front();
    placeCursor(10);
    keys(u"m"_s);
    placeCursor(split + 3);
    keys(u"n"_s, Qt::Key_Home);
    keys(u"h"_s, Qt::Key_End);
    keys(u"e"_s);
    expected = u"h"_s + QString(expected + u"zyx"_s).insert(10, u"m"_s).insert(split + 3, u"n"_s) + u"e"_s;
    EXPECT_EQ(text(), expected);

    // Tab leaves for the next box and comes back; setFocus on the line edit reaches the field.
    keys({}, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.boxes().widget(Subheadline));
    keys({}, Qt::Key_Backtab, 1, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), field());

    // Back to the limit: the line edit again, the cursor where it was.
    placeCursor(20);
    keys({}, Qt::Key_Backspace, 7);
    EXPECT_TRUE(edit()->isVisible() && !field()->isVisible());
    EXPECT_EQ(field()->focusPolicy(), Qt::NoFocus) << "the hidden field offered as a box of its own";
    EXPECT_EQ(QApplication::focusWidget(), edit());
    keys({}, Qt::Key_Backspace);
    keys(u"k"_s);
    EXPECT_EQ(text(), expected.remove(12, 8).insert(12, u"k"_s));
    EXPECT_TRUE(edit()->isVisible());

    // A finding that starts the second piece: F8 selects its words there, not the break before.
    window.boxes().setBoxText(Headline, QString(Longest - 1, u'x') + u" www.example.com today"_s);
    ASSERT_EQ(field()->splits(), std::vector<int>{int(Longest)});
    window.findings().updateNow();
    keys({}, Qt::Key_F8);
    EXPECT_EQ(QApplication::focusWidget(), field());
    EXPECT_EQ(field()->textCursor().selectedText(), u"www.example.com"_s);
}

TEST_F(OneLineBoxTest, AMegabyteHeadlineIsLoadedSavedPastedCopiedAndKeptForRecoveryWhole)
{
    ScriptedMessages messages;
    TempFolder folder;
    const QString headline = words(1 << 20);
    const QByteArray bytes = DescriptionFileBytes(u"Roses"_s, {headline, u"Sub"_s, u"Start"_s});
    LoadDescriptionFile(folder.write(u"long.qvn"_s, bytes));
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_TRUE(field()->isVisible());
    QString copy = folder.file(u"copy.qvn"_s);
    WriteDescriptionFile(copy);
    EXPECT_EQ(TempFolder::read(copy), bytes);

    // A pasted break becomes a space; the recovery copy has every key, copying the whole.
    edit()->setFocus();
    QApplication::clipboard()->setText(u"one\r\ntwo\nthree"_s);
    keys({}, Qt::Key_V, 1, Qt::ControlModifier);
    const QString expected = headline + u"one two three"_s;
    EXPECT_EQ(window.boxes().laterDescription()().Sections[Headline], expected);
    keys({}, Qt::Key_A, 1, Qt::ControlModifier);
    keys({}, Qt::Key_C, 1, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
}

TEST_F(OneLineBoxTest, APasteThatMakesItTooLongGoesStraightIntoPiecesInPlaceOfTheSelection)
{
    window.boxes().setBoxText(Headline, u"Roses bloom"_s);
    edit()->setFocus();
    edit()->setSelection(6, 5);
    QApplication::clipboard()->setText(words(Longest) + u"\r\nend"_s);
    QSignalSpy lineEdit(edit(), &QLineEdit::textChanged);
    keys({}, Qt::Key_V, 1, Qt::ControlModifier);
    for (const QList<QVariant>& change : lineEdit)
        EXPECT_LE(change.front().toString().size(), Longest) << "the line edit laid the whole text out";
    keys(u"!"_s);
    EXPECT_EQ(text(), u"Roses "_s + words(Longest) + u" end!"_s);
}

TEST_F(OneLineBoxTest, EveryEditAcrossTheLimitIsUndoneAndRedoneTheCursorWhereTheAuthorPutIt)
{
    const QString limit = words(Longest);
    for (const qsizetype length : {Longest - 1, Longest}) {
        SCOPED_TRACE(length);
        window.boxes().setBoxText(Headline, limit.left(length));
        edit()->setFocus();
        keys(u"z"_s);
        EXPECT_EQ(field()->isVisible(), length == Longest);
        keys({}, Qt::Key_Z, 1, Qt::ControlModifier);
        EXPECT_TRUE(text() == limit.left(length) && edit()->isVisible());
        keys({}, Qt::Key_Y, 1, Qt::ControlModifier);
        EXPECT_TRUE(text() == limit.left(length) + u"z"_s && field()->isVisible() == (length == Longest));
    }
    // The whole of it deleted, brought back, deleted again.
    const QString longer = limit + u"z"_s;
    keys({}, Qt::Key_A, 1, Qt::ControlModifier);
    keys({}, Qt::Key_Delete);
    EXPECT_TRUE(text().isEmpty() && edit()->isVisible());
    keys({}, Qt::Key_Z, 1, Qt::ControlModifier);
    EXPECT_TRUE(text() == longer && field()->isVisible());
    keys({}, Qt::Key_Y, 1, Qt::ControlModifier);
    EXPECT_TRUE(text().isEmpty());

    // Back to the line edit from past a split: the next key goes where the cursor was.
    window.boxes().setBoxText(Headline, longer);
    const qsizetype split = field()->splits().front();
    placeCursor(split + 2);
    keys({}, Qt::Key_Backspace);
    ASSERT_TRUE(edit()->isVisible());
    keys(u"k"_s);
    EXPECT_EQ(text(), QString(longer).replace(split + 1, 1, u"k"_s));
}
