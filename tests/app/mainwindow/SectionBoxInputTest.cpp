// What the section boxes take from the keyboard and the clipboard.
#include "AppTestSupport.h"
#include "LongLine.h"
#include "SectionBoxInput.h"
#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {
class SectionBoxInputTest : public FirstRunTest {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* box(int i) { return window.boxes().widget(i); }
    void pasteInto(int i, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box(i), Qt::Key_V, Qt::ControlModifier);
    }

    frmMain window;
};
} // namespace

TEST_F(SectionBoxInputTest, KeysWithAltOrCtrlTypeNothingWhileAltGrCharactersType)
{
    const struct { Qt::Key key; const char16_t* text; Qt::KeyboardModifiers modifiers; bool types; } keys[] = {
        {Qt::Key_S, u"s", Qt::AltModifier, false},
        {Qt::Key_S, u"S", Qt::AltModifier | Qt::ShiftModifier, false},
        {Qt::Key_5, u"5", Qt::ControlModifier | Qt::KeypadModifier, false},
        {Qt::Key_F, u"f", Qt::ControlModifier, false},
        {Qt::Key_E, u"\u20ac", Qt::GroupSwitchModifier, true},               // AltGr as X11 reports it
        {Qt::Key_Q, u"@", Qt::ControlModifier | Qt::AltModifier, true},       // and as others do
        {Qt::Key_A, u"a", Qt::NoModifier, true},
        {Qt::Key_A, u"A", Qt::ShiftModifier, true},
    };
    for (const int i : {int(Subheadline), int(OpeningRemarks)}) {
        for (const auto& k : keys) {
            const QString text = QString::fromUtf16(k.text);
            SCOPED_TRACE(testing::Message() << "box " << i << ", key " << text.toStdString() << ", modifiers " << k.modifiers);
            window.boxes().setBoxText(i, QStringLiteral("Text"));
            Document().DocumentDirty = false;
            box(i)->setFocus();
            QTest::keyClick(box(i), Qt::Key_End, Qt::ControlModifier);
            QTest::sendKeyEvent(QTest::Click, box(i), k.key, text, k.modifiers);
            EXPECT_EQ(window.boxes().boxText(i), k.types ? QStringLiteral("Text") + text : QStringLiteral("Text"));
            EXPECT_EQ(Document().DocumentDirty, k.types);
        }
    }
    EXPECT_TRUE(SectionBoxInput::TypesText(QKeyEvent(QEvent::KeyPress, Qt::Key_E, Qt::GroupSwitchModifier, QStringLiteral("e"))));
}

TEST_F(SectionBoxInputTest, ABreakPastedIntoAOneLineBoxBecomesASpace)
{
    box(Subheadline)->setFocus();
    pasteInto(Subheadline, QStringLiteral("one\ntwo"));
    EXPECT_EQ(window.boxes().boxText(Subheadline), QStringLiteral("one two"));
    // In the middle, with each kind of break; the cursor stays after the pasted text.
    auto* line = static_cast<QLineEdit*>(box(Subheadline));
    line->setCursorPosition(3);
    pasteInto(Subheadline, QStringLiteral("[a\r\nb\rc\n]"));
    EXPECT_EQ(window.boxes().boxText(Subheadline), QStringLiteral("one[a b c ] two"));
    EXPECT_EQ(line->cursorPosition(), 11);
    QTest::keyClicks(line, QStringLiteral("!"));
    EXPECT_EQ(window.boxes().boxText(Subheadline), QStringLiteral("one[a b c ]! two"));

    // A multi-line box keeps the breaks it is given.
    box(OpeningRemarks)->setFocus();
    pasteInto(OpeningRemarks, QStringLiteral("one\ntwo"));
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), QStringLiteral("one\r\ntwo"));
}

TEST_F(SectionBoxInputTest, EveryKindOfBreakPastedOrTypedIntoEitherFormBecomesASpaceForGood)
{
    const char16_t* breaks[] = {u"\r\n", u"\r", u"\n", u"\v", u"\f", u"\u0085", u"\u2028", u"\u2029"};
    for (const QString& start : {QStringLiteral("ab"), QStringLiteral("ab ").repeated(LongLineLength / 3 + 1)}) {
        for (const char16_t* kind : breaks) {
            const QString cut = QString::fromUtf16(kind);
            SCOPED_TRACE(testing::Message() << start.size() << " characters, break U+" << std::hex << int(cut.back().unicode()));
            window.boxes().setBoxText(Headline, start);
            box(Headline)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
            QApplication::clipboard()->setText(u'x' + cut + u'y');
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, cut.back(), Qt::NoModifier);
            const QString expected = start + QStringLiteral("x y") + (cut.back().isPrint() ? QStringLiteral(" ") : QString());
            EXPECT_EQ(window.boxes().boxText(Headline), expected);
            // Undone and redone, the break never comes back.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
            EXPECT_EQ(window.boxes().boxText(Headline), expected);
        }
    }
}

TEST_F(SectionBoxInputTest, ABreakLoadedIntoAOneLineBoxStaysThroughEditing)
{
    window.boxes().setBoxText(Headline, QStringLiteral("Two\r\nlines"));
    box(Headline)->setFocus();
    QTest::keyClick(box(Headline), Qt::Key_End);
    QTest::keyClicks(box(Headline), QStringLiteral(" here"));
    pasteInto(Headline, QStringLiteral("!"));
    QTest::keyClick(box(Headline), Qt::Key_Home);
    QTest::keyClick(box(Headline), Qt::Key_Delete);
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("wo\r\nlines here!"));
}

TEST(InsertedBreaksAsSpaces, OnlyTheInsertedPartChanges)
{
    const struct { const char *before, *after; int cursor; const char* expected; int expectedCursor; } rows[] = {
        {"", "a\r\nb", 9, "a b", 3},
        {"a\nb", "a\nbc", 9, "a\nbc", 9},            // typed after a loaded break: left alone
        {"ab", "a\r\n\r\nb", 9, "a  b", 3},          // two breaks pasted between a and b
        {"a\rb", "a\r\nb", 9, "a\r b", 3},           // a lone LF pasted after a loaded CR
        {"x\n", "x\n\n", 9, "x\n ", 3},              // the same break again: the new one goes
        {"abc", "aXc", 9, "aXc", 9},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.after);
        int cursor = row.cursor;
        EXPECT_EQ(SectionBoxInput::InsertedBreaksAsSpaces(QString::fromLatin1(row.before), QString::fromLatin1(row.after), cursor),
                  QString::fromLatin1(row.expected));
        EXPECT_EQ(cursor, row.expectedCursor);
    }
}
