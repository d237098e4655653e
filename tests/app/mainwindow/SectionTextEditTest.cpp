// Section boxes with lines far longer than any paragraph: shown in pieces of their own,
// read, copied and saved whole.
#include "AppTestSupport.h"
#include "DescriptionFile.h"
#include "ScriptedMessages.h"
#include "SectionTextEdit.h"
#include "TempFolder.h"
#include "frmMain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype Longest = SectionTextEdit::LongestBlock;

std::vector<int> splitsOf(const QString& text)
{
    std::vector<int> splits;
    SectionTextEdit::SplitLongLines(text, splits);
    return splits;
}
} // namespace

TEST(SectionTextEdit, OnlyLinesLongerThanTheLongestBlockAreSplitAndPreferablyAfterABlank)
{
    EXPECT_TRUE(splitsOf(QString(Longest, u'x')).empty());
    EXPECT_TRUE(splitsOf(QString(Longest, u'x') + u'\n' + QString(Longest, u'y')).empty());
    EXPECT_EQ(splitsOf(QString(Longest + 1, u'x')), std::vector<int>{int(Longest)});
    // A blank in the second half: the split comes after it; one in the first half is too early.
    QString words = QString(Longest, u'x');
    words[Longest - 10] = u' ';
    words[10] = u' ';
    std::vector<int> splits;
    const QString shown = SectionTextEdit::SplitLongLines(words + u"tail"_s, splits);
    ASSERT_EQ(splits, std::vector<int>{int(Longest - 9)});
    EXPECT_EQ(shown.mid(Longest - 10, 3), u" \nx"_s);
    words[Longest - 10] = u'x';
    EXPECT_EQ(splitsOf(words + u"tail"_s), std::vector<int>{int(Longest)});
    // A character outside the basic plane is never cut in two.
    const QString astral = QString(Longest - 1, u'x') + QString::fromUtf16(u"\U0001F4D6") + u'x';
    EXPECT_EQ(splitsOf(astral), std::vector<int>{int(Longest - 1)});
    // Three pieces; positions count the splits added before them.
    EXPECT_EQ(splitsOf(u"ab\n"_s + QString(2 * Longest + 1, u'z')),
              (std::vector<int>{int(3 + Longest), int(3 + 2 * Longest + 1)}));
}

TEST(SectionTextEdit, ALongLineIsLaidOutInPiecesWhileWordsWrapAsBefore)
{
    QWidget window;
    window.resize(994, 747);
    DescriptionBoxes boxes(&window, &window);
    window.show();
    const QString line = QString(100000, u'x');
    const QString words = u"Gardening is easy when you know what to plant and when, and this book shows how. "_s.repeated(4);
    boxes.setBoxText(OpeningRemarks, words + u"\r\n"_s + line);
    EXPECT_EQ(boxes.boxText(OpeningRemarks), words + u"\r\n"_s + line);
    auto* edit = static_cast<SectionTextEdit*>(boxes.widget(OpeningRemarks));
    EXPECT_EQ(edit->splitCount(), 24);
    QTextBlock block = edit->document()->firstBlock();
    for (; block.isValid(); block = block.next()) {
        EXPECT_LE(block.length() - 1, Longest);
        if (block.layout()->lineCount() == 0)
            continue;
        // The box's width holds every line: unbroken text breaks anywhere, words at blanks.
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine textLine = block.layout()->lineAt(i);
            EXPECT_LE(textLine.naturalTextWidth(), edit->viewport()->width());
            if (block == edit->document()->firstBlock() && i + 1 < block.layout()->lineCount())
                EXPECT_EQ(words.at(textLine.textStart() + textLine.textLength() - 1), u' ');
        }
    }
    EXPECT_GT(edit->document()->firstBlock().layout()->lineCount(), 1);
}

class LongLineFlowTest : public FirstRunTest {
protected:
    frmMain window;
    ScriptedMessages messages;
    TempFolder folder;
};

TEST_F(LongLineFlowTest, TypedCopiedAndSavedWithoutTheBoxesOwnSplits)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QByteArray line(3 * Longest + 500, 'x');
    const QString path = folder.write(u"long.qvn"_s, "[[[QVN FILE]]]Long\r\nHead\r\n\r\nStart<BR>" + line + "<BR>End\r\n\r\n\r\n\r\n\r\n\r\n");
    LoadDescriptionFile(path);
    EXPECT_TRUE(messages.shown().empty());
    auto* edit = static_cast<SectionTextEdit*>(window.boxes().widget(OpeningRemarks));
    ASSERT_EQ(edit->splitCount(), 3);
    QSignalSpy changed(&window.boxes(), &DescriptionBoxes::changed);

    // Typing into the second piece, and across the end of the first.
    QTextCursor cursor = edit->textCursor();
    const int secondPiece = int(6 + Longest + 1 + 10);
    cursor.setPosition(secondPiece);
    edit->setTextCursor(cursor);
    edit->setFocus();
    QTest::keyClicks(edit, u"ab"_s);
    EXPECT_EQ(changed.count(), 2);
    const QString typed = u"Start\r\n"_s + QString(Longest + 10, u'x') + u"ab"_s +
                          QString(line.size() - Longest - 10, u'x') + u"\r\nEnd"_s;
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), typed);
    EXPECT_TRUE(Document().DocumentDirty);
    // Backspace right after a split takes the split away, not a character.
    cursor.setPosition(int(6 + Longest + 1));
    edit->setTextCursor(cursor);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->splitCount(), 2);
    EXPECT_EQ(changed.count(), 2);
    QTest::keyClick(edit, Qt::Key_Backspace);
    const QString expected = u"Start\r\n"_s + QString(Longest - 1, u'x') + QString(10, u'x') + u"ab"_s +
                             QString(line.size() - Longest - 10, u'x') + u"\r\nEnd"_s;
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), expected);
    EXPECT_EQ(changed.count(), 3);

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(expected).replace(u"\r\n"_s, u"\n"_s));

    QString copy = folder.file(u"copy.qvn"_s);
    WriteDescriptionFile(copy);
    QByteArray saved = TempFolder::read(copy);
    EXPECT_EQ(saved, "[[[QVN FILE]]]Long\r\nHead\r\n\r\n" + QString(expected).replace(u"\r\n"_s, u"<BR>"_s).toLatin1() +
                         "\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST(SectionTextEdit, APastedLongLineIsSplitToo)
{
    QWidget window;
    DescriptionBoxes boxes(&window, &window);
    window.show();
    boxes.setBoxText(ClosingRemarks, u"one\r\ntwo"_s);
    auto* edit = static_cast<SectionTextEdit*>(boxes.widget(ClosingRemarks));
    EXPECT_TRUE(edit->isUndoRedoEnabled());
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);  // "n" of "one" is replaced
    edit->setTextCursor(cursor);
    const QString pasted = u"<"_s + QString(2 * Longest, u'p') + u">\r\nthree"_s;
    QGuiApplication::clipboard()->setText(pasted);
    edit->paste();
    EXPECT_EQ(edit->splitCount(), 2);
    EXPECT_EQ(boxes.boxText(ClosingRemarks), u"o"_s + pasted + u"e\r\ntwo"_s);
    // Just after the paste (its CR LF one character in the box), past the two splits.
    EXPECT_EQ(edit->textCursor().position(), 1 + (pasted.size() - 1) + 2);
    // No undo history that could bring a split back as a line break.
    EXPECT_FALSE(edit->isUndoRedoEnabled());
    // An ordinary paste is an ordinary paste.
    boxes.setBoxText(ClosingRemarks, u"one"_s);
    EXPECT_TRUE(edit->isUndoRedoEnabled());
    edit->moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setText(u" two"_s);
    edit->paste();
    EXPECT_EQ(boxes.boxText(ClosingRemarks), u"one two"_s);
    edit->undo();
    EXPECT_EQ(boxes.boxText(ClosingRemarks), u"one"_s);
}
