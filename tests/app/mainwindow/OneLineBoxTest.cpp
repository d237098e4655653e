// A one-line box whose text grows past the longest piece a box lays out at once: shown in
// pieces in its place, read, typed, copied and saved whole, and a line edit again below that.
#include "AppTestSupport.h"
#include "DescriptionFile.h"
#include "LongLineField.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype Longest = SectionTextEdit::LongestBlock;

QString words(qsizetype length)
{
    return u"Grow roses in any garden "_s.repeated(length / 25 + 1).left(length);
}

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
    static void type(const QString& keys)
    {
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QCoreApplication::processEvents();
    }
    static void press(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
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

TEST_F(OneLineBoxTest, TheLimitStaysALineEditOneMoreIsShownInPiecesAndBothReadBackWhole)
{
    const QString atLimit = words(Longest);
    window.boxes().setBoxText(Headline, atLimit);
    EXPECT_TRUE(edit()->isVisible());
    EXPECT_FALSE(field()->isVisible());
    EXPECT_EQ(text(), atLimit);
    edit()->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(text(), atLimit);

    // The key past the limit: the field takes the text, the focus and the cursor at the end.
    type(u"z"_s);
    EXPECT_TRUE(field()->isVisible());
    EXPECT_FALSE(edit()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), field());
    EXPECT_EQ(field()->accessibleName(), u"Headline"_s);
    EXPECT_EQ(field()->splitCount(), 1);
    EXPECT_EQ(text(), atLimit + u"z"_s);
    press(Qt::Key_Return);
    press(Qt::Key_Return, 1, Qt::ShiftModifier);
    type(u"yx"_s);
    QString expected = atLimit + u"zyx"_s;
    EXPECT_EQ(text(), expected);

    // In the middle, before and past the split.
    const qsizetype split = field()->splits().front();
    placeCursor(10);
    type(u"m"_s);
    placeCursor(split + 3);
    type(u"n"_s);
    expected.insert(10, u"m"_s).insert(split + 3, u"n"_s);
    EXPECT_EQ(text(), expected);
    // Home and End reach the ends of the line, beyond the piece in view.
    press(Qt::Key_Home);
    type(u"h"_s);
    press(Qt::Key_End);
    type(u"e"_s);
    expected = u"h"_s + expected + u"e"_s;
    EXPECT_EQ(text(), expected);

    // Tab leaves for the next box and Shift+Tab comes back; the caption's line edit hands on.
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.boxes().widget(Subheadline));
    press(Qt::Key_Backtab, 1, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), field());
    window.boxes().widget(Subheadline)->setFocus();
    edit()->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), field());

    // Back to the limit: the line edit again, the cursor where it was.
    placeCursor(20);
    press(Qt::Key_Backspace, 7);
    expected.remove(13, 7);
    EXPECT_EQ(expected.size(), Longest);
    EXPECT_TRUE(edit()->isVisible());
    EXPECT_FALSE(field()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), edit());
    EXPECT_EQ(text(), expected);
    press(Qt::Key_Backspace);
    type(u"k"_s);
    expected.replace(12, 1, u"k"_s);
    EXPECT_EQ(text(), expected);
    EXPECT_TRUE(edit()->isVisible());
}

TEST_F(OneLineBoxTest, AMegabyteHeadlineIsLoadedTypedPastedCopiedKeptForRecoveryAndSavedByteForByte)
{
    ScriptedMessages messages;
    TempFolder folder;
    const QByteArray headline = words(1 << 20).toLatin1();
    const QByteArray bytes = DescriptionFileBytes(u"Roses"_s, {QString::fromLatin1(headline), u"Sub"_s, u"Start"_s});
    LoadDescriptionFile(folder.write(u"long.qvn"_s, bytes));
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_TRUE(field()->isVisible());
    EXPECT_EQ(text(), QString::fromLatin1(headline));
    QString copy = folder.file(u"copy.qvn"_s);
    WriteDescriptionFile(copy);
    EXPECT_EQ(TempFolder::read(copy), bytes);

    // A break pasted at the end becomes a space; the recovery copy has every key.
    edit()->setFocus();
    QApplication::clipboard()->setText(u"one\r\ntwo\nthree"_s);
    press(Qt::Key_V, 1, Qt::ControlModifier);
    const QString expected = QString::fromLatin1(headline) + u"one two three"_s;
    EXPECT_EQ(text(), expected);
    EXPECT_EQ(window.boxes().laterDescription()().Sections[Headline], expected);
    press(Qt::Key_A, 1, Qt::ControlModifier);
    press(Qt::Key_C, 1, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
}

TEST_F(OneLineBoxTest, TheRecoveryCopyHasTheKeysTypedIntoAMultiLineBox)
{
    window.boxes().setBoxText(OpeningRemarks, u"Roses"_s);
    window.boxes().widget(OpeningRemarks)->setFocus();
    press(Qt::Key_End);
    type(u" bloom"_s);
    EXPECT_EQ(window.boxes().laterDescription()().Sections[OpeningRemarks], u"Roses bloom"_s);
}

TEST_F(OneLineBoxTest, APasteThatMakesTheTextTooLongGoesInPiecesInPlaceOfTheSelection)
{
    window.boxes().setBoxText(Headline, u"Roses bloom"_s);
    edit()->setFocus();
    edit()->setSelection(6, 5);
    const QString pasted = words(Longest) + u"\r\nend"_s;
    QApplication::clipboard()->setText(pasted);
    QSignalSpy lineEdit(edit(), &QLineEdit::textChanged);
    press(Qt::Key_V, 1, Qt::ControlModifier);
    for (const QList<QVariant>& change : lineEdit)
        EXPECT_LE(change.front().toString().size(), Longest) << "the line edit laid the whole text out";
    EXPECT_TRUE(field()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), field());
    EXPECT_EQ(text(), u"Roses "_s + words(Longest) + u" end"_s);
    type(u"!"_s);
    EXPECT_EQ(text(), u"Roses "_s + words(Longest) + u" end!"_s);
}
