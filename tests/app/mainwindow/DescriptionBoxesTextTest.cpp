// The boxes' line breaks between the widgets and the document, and which assignments count
// as a change.
#include "DescriptionBoxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DescriptionBoxesTextTest, EveryKindOfWidgetBreakBecomesCrLfAndALoneCrStays)
{
    const std::pair<QString, QString> cases[] = {
        {u""_s, u""_s},
        {u"no break at all"_s, u"no break at all"_s},
        {u"a\nb"_s, u"a\r\nb"_s},
        {u"a\r\nb\r\n"_s, u"a\r\nb\r\n"_s},
        {u"a\u2029b\u2028c"_s, u"a\r\nb\r\nc"_s},
        {u"\n\n"_s, u"\r\n\r\n"_s},
        {u"a\rb\r"_s, u"a\rb\r"_s},
        {u"a\r\u2029b\r\r\n"_s, u"a\r\r\nb\r\r\n"_s},
    };
    for (const auto& [widget, document] : cases) {
        EXPECT_EQ(DescriptionBoxes::toDocumentText(widget), document) << widget.toStdString();
        // A CR right before a break is merged with it on the way into a widget.
        if (!document.contains(u"\r\r"_s)) {
            EXPECT_EQ(DescriptionBoxes::toDocumentText(DescriptionBoxes::toWidgetText(document)), document);
        }
    }
    EXPECT_EQ(DescriptionBoxes::toWidgetText(u"a\r\nb\rc\n"_s), u"a\nb\rc\n"_s);
}

TEST(DescriptionBoxesTextTest, OnlyAnAssignmentThatChangesTheTextCounts)
{
    QWidget window;
    DescriptionBoxes boxes(&window, &window);
    QSignalSpy changed(&boxes, &DescriptionBoxes::changed);
    boxes.setBoxText(OpeningRemarks, u""_s);
    EXPECT_EQ(changed.count(), 0);
    boxes.setBoxText(OpeningRemarks, u"one\r\ntwo"_s);
    EXPECT_EQ(changed.count(), 1);
    boxes.setBoxText(OpeningRemarks, u"one\ntwo"_s);  // the same text with another break
    EXPECT_EQ(changed.count(), 1);

    // After typing, the box is compared with what it holds now.
    auto* edit = static_cast<QPlainTextEdit*>(boxes.widget(OpeningRemarks));
    edit->moveCursor(QTextCursor::End);
    edit->insertPlainText(u"\nthree"_s);
    EXPECT_EQ(changed.count(), 2);
    boxes.setBoxText(OpeningRemarks, u"one\r\ntwo\r\nthree"_s);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(boxes.boxText(OpeningRemarks), u"one\r\ntwo\r\nthree"_s);
    boxes.setBoxText(OpeningRemarks, u"one\r\ntwo"_s);
    EXPECT_EQ(changed.count(), 3);
    edit->clear();
    EXPECT_EQ(changed.count(), 4);
    boxes.setBoxText(OpeningRemarks, u""_s);
    EXPECT_EQ(changed.count(), 4);
    EXPECT_EQ(boxes.boxText(OpeningRemarks), u""_s);
}

TEST(DescriptionBoxesTextTest, OneLineBoxesKeepEveryCharacterLoadedOrPasted)
{
    QWidget window;
    DescriptionBoxes boxes(&window, &window);
    for (const int box : {int(Headline), int(Subheadline), int(BenefitsHeadline), int(BookTitleBox)}) {
        for (const qsizetype length : {qsizetype(32768), qsizetype(40000)}) {
            const QString text = QString(length - 1, u'h') + u'!';
            boxes.setBoxText(box, text);
            EXPECT_EQ(boxes.boxText(box), text) << "box " << box << ", " << length << " characters";
        }
        auto* edit = static_cast<QLineEdit*>(boxes.widget(box));
        edit->clear();
        edit->insert(QString(40000, u'p'));  // what a paste does
        EXPECT_EQ(boxes.boxText(box).size(), 40000) << "box " << box;
    }
}

// Each box is named for assistive tools after its caption in sentence case, the store names
// in their own capitals.
TEST(DescriptionBoxesTextTest, BoxNamesAreTheCaptionsInSentenceCaseWithTheStoreNamesCapitalised)
{
    const char* const expected[] = {"Headline", "Sub-headline", "Opening remarks", "Benefits headline", "Main benefits",
                                    "Closing remarks", "Call to action for Kindle book",
                                    "Call to action for CreateSpace print book", "Book Title"};
    for (int box = 0; box < BoxCount; ++box)
        EXPECT_EQ(DescriptionBoxes::accessibleNameOf(box), QString::fromLatin1(expected[box])) << box;
}

TEST(DescriptionBoxesTextTest, TheCopyForRecoveryHoldsWhatEveryKindOfBoxHoldsNow)
{
    QWidget window;
    DescriptionBoxes boxes(&window, &window);
    // A line long enough to be shown in pieces, in a multi-line box of its own.
    const QString longLine = QString(5000, u'w') + u" end"_s;
    boxes.setBoxText(ClosingRemarks, longLine);
    boxes.setBoxText(OpeningRemarks, u"first\r\nsecond"_s);
    (void)boxes.laterDescription()();

    // Typed, as keys do: one-line, multi-line, and a box whose line is in pieces.
    const auto typeAtEnd = [&](int box, const QString& text) {
        QWidget* widget = boxes.widget(box);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            line->end(false);
        } else {
            auto* edit = static_cast<QPlainTextEdit*>(widget);
            edit->moveCursor(QTextCursor::End);
        }
        QTest::keyClicks(widget, text);
    };
    typeAtEnd(Headline, u"head"_s);
    typeAtEnd(OpeningRemarks, u" more"_s);
    typeAtEnd(ClosingRemarks, u" closing"_s);
    const Description later = boxes.laterDescription()();
    EXPECT_EQ(later.Sections[Headline], u"head"_s);
    EXPECT_EQ(later.Sections[OpeningRemarks], u"first\r\nsecond more"_s);
    EXPECT_EQ(later.Sections[ClosingRemarks].right(13), u"w end closing"_s);
    EXPECT_TRUE(later.Sections[ClosingRemarks] == longLine + u" closing"_s);
    EXPECT_TRUE(later == ReadDescription(boxes));

    // And again after a second round of keys into a box already read back.
    typeAtEnd(OpeningRemarks, u"!"_s);
    EXPECT_EQ(boxes.laterDescription()().Sections[OpeningRemarks], u"first\r\nsecond more!"_s);
}

// A headline too long to lay out at a glance holds the cursor's blink while it has the focus,
// and gives it back when it loses the focus or gets short again; one character less blinks.
TEST(DescriptionBoxesTextTest, AVeryLongHeadlineHoldsTheCursorSteadyOnlyWhileItHasTheFocus)
{
    QWidget window;
    DescriptionBoxes boxes(&window, &window);
    window.show();
    QApplication::setActiveWindow(&window);
    const int desktop = QApplication::cursorFlashTime();
    ASSERT_GT(desktop, 0);
    auto* headline = static_cast<QLineEdit*>(boxes.widget(Headline));
    boxes.setBoxText(Headline, QString(4095, u'a'));
    headline->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(headline->hasFocus());
    EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
    headline->insert(u"b"_s);
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
    boxes.widget(Subheadline)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
    headline->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
    headline->backspace();
    EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
}
