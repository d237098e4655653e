// Section boxes with lines far longer than any paragraph: shown in pieces of their own,
// read, copied, pasted and saved whole.
#include "AppTestSupport.h"
#include "DescriptionFile.h"
#include "ScriptedMessages.h"
#include "SectionTextEdit.h"
#include "TempFolder.h"
#include "frmMain.h"

#include <QClipboard>
#include <QMimeData>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int Longest = int(LongLineLength);

std::vector<int> splitsOf(const QString& text)
{
    std::vector<int> splits;
    SectionTextEdit::SplitLongLines(text, splits);
    return splits;
}
} // namespace

TEST(SectionTextEdit, OnlyLinesLongerThanTheLongestBlockAreSplitAndPreferablyAfterABlank)
{
    EXPECT_TRUE(splitsOf(QString(Longest, u'x') + u'\n' + QString(Longest, u'y')).empty());
    const std::vector<int> pieces = splitsOf(u"ab\n"_s + QString(2 * Longest + 1, u'z'));
    EXPECT_EQ(pieces, (std::vector<int>{3 + Longest, 3 + 2 * Longest + 1}));
    // A position of the text at a piece's end shows before the box's break, or after it at
    // the next piece's start; back in the text both are the same position.
    EXPECT_EQ(ShownPosition(pieces, 2 + Longest, true), 2 + Longest);
    EXPECT_EQ(ShownPosition(pieces, 3 + Longest), 3 + Longest);
    EXPECT_EQ(ShownPosition(pieces, 3 + Longest, true), 4 + Longest);
    EXPECT_EQ(ShownPosition(pieces, 3 + 2 * Longest, true), 5 + 2 * Longest);
    EXPECT_EQ(TextPosition(pieces, 3 + Longest), 3 + Longest);
    EXPECT_EQ(TextPosition(pieces, 4 + Longest), 3 + Longest);
    EXPECT_EQ(TextPosition(pieces, 5 + 2 * Longest), 3 + 2 * Longest);
    // After a blank in the second half; one in the first half is too early.
    QString words = QString(Longest, u'x') + u"tail"_s;
    words[10] = words[Longest - 10] = u' ';
    EXPECT_EQ(splitsOf(words), std::vector<int>{Longest - 9});
    words[Longest - 10] = u'x';
    EXPECT_EQ(splitsOf(words), std::vector<int>{Longest});
    // A character outside the basic plane is never cut in two.
    EXPECT_EQ(splitsOf(QString(Longest - 1, u'x') + QString::fromUtf16(u"\U0001F4D6x")), std::vector<int>{Longest - 1});
}

TEST(SectionTextEdit, ALongLineIsLaidOutInPiecesWhileWordsWrapAsBefore)
{
    QWidget window;
    window.resize(994, 747);
    DescriptionBoxes boxes(&window, &window);
    window.show();
    const QString words = u"Gardening is easy when you know what to plant and when, and this book shows how. "_s.repeated(4);
    boxes.setBoxText(OpeningRemarks, words + u"\r\n"_s + QString(100000, u'x'));
    EXPECT_EQ(boxes.boxText(OpeningRemarks), words + u"\r\n"_s + QString(100000, u'x'));
    auto* edit = static_cast<SectionTextEdit*>(boxes.widget(OpeningRemarks));
    EXPECT_EQ(edit->splitCount(), 24);
    for (QTextBlock block = edit->document()->firstBlock(); block.isValid(); block = block.next()) {
        EXPECT_LE(block.length() - 1, Longest);
        edit->document()->documentLayout()->blockBoundingRect(block);  // laid out on demand
        // The box's width holds every line: unbroken text breaks anywhere, words at blanks.
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            EXPECT_LE(line.naturalTextWidth(), edit->viewport()->width());
            if (block == edit->document()->firstBlock() && i + 1 < block.layout()->lineCount())
                EXPECT_EQ(words.at(line.textStart() + line.textLength() - 1), u' ');
        }
    }
    EXPECT_GT(edit->document()->firstBlock().next().layout()->lineCount(), 1);
}

// A box's own markup copied and pasted back comes back as typed, not as escaped rich text.
TEST(SectionTextEdit, ACopyPastesBackAsItWas)
{
    SectionTextEdit edit;
    edit.setWidgetText(u"<i>Tom</i> &amp; Jerry\nline two"_s);
    edit.selectAll();
    edit.copy();
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasHtml());
    edit.moveCursor(QTextCursor::End);
    edit.paste();
    EXPECT_EQ(edit.widgetText(), u"<i>Tom</i> &amp; Jerry\u2029line two<i>Tom</i> &amp; Jerry\u2029line two"_s);
}

using LongLineFlowTest = FirstRunTest;

TEST_F(LongLineFlowTest, TypedCopiedPastedAndSavedWithoutTheBoxesOwnSplits)
{
    frmMain window;
    ScriptedMessages messages;
    TempFolder folder;
    window.show();
    const QByteArray line(3 * Longest + 500, 'x');
    LoadDescriptionFile(folder.write(u"long.qvn"_s, "[[[QVN FILE]]]Long\r\nHead\r\n\r\nStart<BR>" + line + "<BR>End" +
                                                        QByteArray("\r\n").repeated(6)));
    EXPECT_TRUE(messages.shown().empty());
    auto* edit = static_cast<SectionTextEdit*>(window.boxes().widget(OpeningRemarks));
    ASSERT_EQ(edit->splitCount(), 3);
    QSignalSpy changed(&window.boxes(), &DescriptionBoxes::changed);

    // Typing into the second piece; then Backspace just after the first split takes the
    // character before it, which is what the author sees there, and undo brings it back.
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(6 + Longest + 1 + 10);
    edit->setTextCursor(cursor);
    QTest::keyClicks(edit, u"ab"_s);
    const QString x = u"x"_s;
    QString expected = u"Start\r\n"_s + x.repeated(Longest + 10) + u"ab"_s + x.repeated(line.size() - Longest - 10) + u"\r\nEnd"_s;
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), expected);
    EXPECT_EQ(changed.count(), 2);
    cursor.setPosition(6 + Longest + 1);
    edit->setTextCursor(cursor);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->splitCount(), 3);
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), QString(expected).remove(6 + Longest, 1));
    EXPECT_EQ(changed.count(), 3);
    for (const auto& [key, text] : {std::pair{Qt::Key_Z, expected}, {Qt::Key_Y, QString(expected).remove(6 + Longest, 1)}}) {
        QTest::keyClick(edit, key, Qt::ControlModifier);
        EXPECT_EQ(window.boxes().boxText(OpeningRemarks), text);
        EXPECT_EQ(edit->splitCount(), 3);
    }
    expected.remove(6 + Longest, 1);
    // Delete at the end of a piece takes the next piece's first character.
    cursor.setPosition(6 + Longest - 1);
    edit->setTextCursor(cursor);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), expected.remove(6 + Longest, 1));

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(expected).replace(u"\r\n"_s, u"\n"_s));
    // Deleting it all, undone: every piece back, and known as pieces.
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), QString());
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), expected);
    EXPECT_EQ(edit->splitCount(), 3);

    // A pasted long line goes in split too, in place of the selection ("tart"), with the
    // cursor after it: its CR LF one character in the box, past the two splits in it.
    const QString pasted = u"<"_s + QString(2 * Longest, u'p') + u">\r\nthree"_s;
    QGuiApplication::clipboard()->setText(pasted);
    cursor.setPosition(1);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    expected.replace(1, 4, pasted);
    EXPECT_EQ(window.boxes().boxText(OpeningRemarks), expected);
    EXPECT_EQ(edit->textCursor().position(), 1 + (pasted.size() - 1) + 2);

    QString copy = folder.file(u"copy.qvn"_s);
    WriteDescriptionFile(copy);
    EXPECT_EQ(TempFolder::read(copy), "[[[QVN FILE]]]Long\r\nHead\r\n\r\n" + QString(expected).replace(u"\r\n"_s, u"<BR>"_s).toLatin1() +
                                          QByteArray("\r\n").repeated(6));
}
