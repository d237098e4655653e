// The listing meter under the last section and the copy message, on an offscreen screen.
#include "AppTestSupport.h"
#include "DescriptionFile.h"
#include "EditorSettings.h"
#include "FindingMarks.h"
#include "FindingsList.h"
#include "FindingsModel.h"
#include "HtmlGenerators.h"
#include "ListingMeter.h"
#include "MainWindowLayout.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeWidget>


namespace L = MainWindowLayout;

namespace {
const QString Copied = QStringLiteral("The description has been copied to the clipboard.");
const QColor Grey{128, 128, 128};
const QColor Red{192, 0, 0};
const QString Empty = QString::fromUtf16(u"Kindle 8 / 4,000 \u00b7 Print 0 / 4,000 \u00b7 no tag findings");

// What a tooltip shows on screen: Qt renders it as HTML when it guesses it is.
QString shown(const QString& tooltip)
{
    if (!Qt::mightBeRichText(tooltip))
        return tooltip;
    QTextDocument page;
    page.setHtml(tooltip);
    return page.toPlainText();
}

class ListingMeterTest : public FirstRunTest {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ListingMeter& meter() { return *window.meter(); }
    QColor colour() { return meter().palette().color(QPalette::WindowText); }
    // The meter follows after its pause; a loaded machine may take its time.
    bool meterShows(const QString& ending)
    {
        return QTest::qWaitFor([&] { return meter().text().endsWith(ending); }, 20000);
    }

    frmMain window;
    ScriptedMessages messages;
};
} // namespace

TEST_F(ListingMeterTest, SitsInTheFreeBandBelowTheLastSection)
{
    const QRect place = meter().geometry();
    EXPECT_EQ(place, ListingMeter::placement());
    EXPECT_TRUE(window.rect().contains(place)) << place.y() << "+" << place.height();
    EXPECT_EQ(window.size(), QSize(994, 747));
    EXPECT_GE(place.top(), PixelRect(L::SectionFrame(CreateSpaceCallToAction)).bottom() + 1);
    EXPECT_GE(place.height(), meter().fontMetrics().height());
    for (QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(other == &meter() || !other->geometry().intersects(place)) << other->objectName().toStdString();

    EXPECT_EQ(meter().text(), Empty);
    EXPECT_FALSE(meter().warns());
    EXPECT_EQ(colour(), Grey);
    // The Kindle fragment's 8 characters are its own ending, and the tags show as typed.
    EXPECT_EQ(shown(meter().toolTip()),
              QStringLiteral("Both descriptions fit the store's 4,000 characters and use only tags it accepts.\n"
                             "The Kindle description's 8 characters are its own closing line breaks, <BR><BR>: "
                             "it ends with them even when every section is empty."));
}

TEST_F(ListingMeterTest, FollowsTypingOnceABurstIsOver)
{
    QWidget* headline = window.boxes().widget(Headline);
    headline->setFocus();
    QTest::keyClicks(headline, QStringLiteral("<b>My Book"));
    // No check per keystroke: the meter has not moved while the keys came in.
    EXPECT_EQ(meter().text(), Empty);
    ASSERT_TRUE(meterShows(QStringLiteral("1 tag finding")));
    EXPECT_EQ(meter().text(), QString::fromUtf16(u"Kindle 31 / 4,000 \u00b7 Print 25 / 4,000 \u00b7 1 tag finding"));
    EXPECT_TRUE(meter().warns());
    EXPECT_EQ(colour(), Red);
    EXPECT_EQ(shown(meter().toolTip()), QStringLiteral("HEADLINE: <b> is not closed"));
    EXPECT_EQ(meter().accessibleDescription(), QStringLiteral("HEADLINE: <b> is not closed"));

    QTest::keyClicks(headline, QStringLiteral("</b>"));
    ASSERT_TRUE(meterShows(QStringLiteral("no tag findings")));
    EXPECT_FALSE(meter().warns());
    EXPECT_EQ(colour(), Grey);

    // Too long without any tag: the warning colour, and the lengths in the tooltip.
    window.boxes().setBoxText(OpeningRemarks, QString(3990, u'x'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return meter().warns(); }, 20000));
    EXPECT_EQ(meter().text(), QString::fromUtf16(u"Kindle 4,033 / 4,000, 33 over \u00b7 Print 4,027 / 4,000, 27 over \u00b7 no tag findings"));
    EXPECT_EQ(colour(), Red);
    EXPECT_EQ(shown(meter().toolTip()), QStringLiteral("Kindle: 4,033 characters, 33 more than the store's 4,000\n"
                                                "Print: 4,027 characters, 27 more than the store's 4,000"));
    // The title is in neither fragment.
    window.boxes().setBoxText(BookTitleBox, QString(5000, u't'));
    QTest::qWait(3 * ListingMeter::DelayMs);
    EXPECT_TRUE(meter().text().startsWith(QStringLiteral("Kindle 4,033 / 4,000")));
}

TEST_F(ListingMeterTest, TooltipAndScreenReaderGetTheFindingsAsTyped)
{
    QTest::keyClicks(window.boxes().widget(Subheadline), QStringLiteral(" <b>new"));
    QTest::keyClicks(window.boxes().widget(OpeningRemarks), QStringLiteral("<a href=\"x\">here</a> <h2>New"));
    ASSERT_TRUE(meterShows(QStringLiteral("3 tag findings")));
    const QString findings = QStringLiteral("SUB-HEADLINE: <b> is not closed\n"
                                            "OPENING REMARKS: <a> is not a tag the store accepts\n"
                                            "OPENING REMARKS: <h2> is not a tag the store accepts");

    // Hovering shows the tooltip itself.
    const QPoint at = meter().rect().center();
    QHelpEvent hover(QEvent::ToolTip, at, meter().mapToGlobal(at));
    QCoreApplication::sendEvent(&meter(), &hover);
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    QLabel* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("qtooltip_label") && top->isVisible())
            tip = qobject_cast<QLabel*>(top);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(shown(tip->text()), findings);
    QToolTip::hideText();

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&meter());
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Description), findings);
}

// Keys that come every 50 ms, well past the meter's pause, still see it move while they come:
// the pause runs from the first key of a burst and is not put off by the next ones.
TEST_F(ListingMeterTest, MovesDuringSteadyTyping)
{
    QWidget* headline = window.boxes().widget(Headline);
    headline->setFocus();
    constexpr int Keys = 40;
    constexpr int KeyGapMs = 50;
    static_assert(Keys * KeyGapMs > 10 * ListingMeter::DelayMs);
    int movesWithinAGap = 0;
    QString shown = meter().text();
    QElapsedTimer gap;
    for (int key = 0; key < Keys; ++key) {
        QTest::keyClick(headline, Qt::Key_X);
        gap.start();
        QTest::qWait(KeyGapMs);
        // A meter that waited for a pause could only move in a gap as long as its pause.
        if (meter().text() != shown && gap.elapsed() < 2 * ListingMeter::DelayMs / 3)
            ++movesWithinAGap;
        shown = meter().text();
    }
    EXPECT_GE(movesWithinAGap, 2);
    // Once the keys stop, it shows them all: the heading's markup, the text and the closing breaks.
    const QString all = QStringLiteral("Kindle %1 / 4,000").arg(13 + Keys + 8);
    EXPECT_TRUE(QTest::qWaitFor([&] { return meter().text().startsWith(all); }, 20000)) << meter().text().toStdString();
}

TEST_F(ListingMeterTest, CopyingWarnsAndStillCopiesExactly)
{
    window.boxes().setBoxText(Headline, QStringLiteral("<b>My Book"));
    window.boxes().setBoxText(KindleCallToAction, QStringLiteral("Buy <blink>now</blink>"));
    window.boxes().setBoxText(CreateSpaceCallToAction, QStringLiteral("Order the paperback"));
    const Description description = ReadDescription(window.boxes());
    QClipboard* clipboard = QGuiApplication::clipboard();

    ClickButton(window.button(L::CopyKindleButton));
    EXPECT_EQ(clipboard->text(), GenerateKindleHTML(description));
    ClickButton(window.button(L::CopyCreatespaceButton));
    EXPECT_EQ(clipboard->text(), GenerateCreatespaceHTML(description));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, Copied + QStringLiteral("\r\n\r\nHEADLINE: <b> is not closed\r\n"
                                                                "CALL TO ACTION FOR KINDLE BOOK: <blink> is not a tag the store accepts"));
    EXPECT_EQ(messages.shown()[1].text, Copied + QStringLiteral("\r\n\r\nHEADLINE: <b> is not closed"));
    EXPECT_EQ(messages.shown()[1].icon, MsgIcon::Exclamation);

    // Nothing found: the message as it always was.
    messages.clear();
    window.boxes().setBoxText(Headline, QStringLiteral("<b>My Book</b>"));
    ClickButton(window.button(L::CopyCreatespaceButton));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, Copied);
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Information);

    // Too long, with more findings than a message box can show.
    messages.clear();
    window.boxes().setBoxText(OpeningRemarks, QString(4000, u'x') + QStringLiteral("</i>").repeated(30));
    ClickButton(window.button(L::CopyCreatespaceButton));
    ASSERT_EQ(messages.shown().size(), 1u);
    const QStringList lines = messages.shown()[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 2 + 20 + 1);
    EXPECT_EQ(lines[2], QStringLiteral("4,176 characters, 176 more than the store's 4,000"));
    EXPECT_EQ(lines[3], QStringLiteral("OPENING REMARKS: </i> closes a tag that is not open"));
    EXPECT_EQ(lines.last(), QStringLiteral("... and 11 more"));
    EXPECT_EQ(clipboard->text(), GenerateCreatespaceHTML(ReadDescription(window.boxes())));
}

TEST_F(ListingMeterTest, ControlCharactersAreReportedAndKeptInTheFile)
{
    TempFolder folder;
    static const char odd[] = "[[[QVN FILE]]]Ti\x01tle\r\nHead\0line\0\r\nSub\x1f\r\nTab\there\x0b<BR>and\x1b[0m\r\n"
                              "Bene\x7f\r\n\r\n\r\nKindle\x1b\r\nPrint\x0c\r\n";
    const QByteArray bytes(odd, sizeof odd - 1);
    const QString path = folder.write(QStringLiteral("odd.qvn"), bytes);
    LoadDescriptionFile(path);
    EXPECT_FALSE(Document().DocumentDirty);
    ASSERT_TRUE(meterShows(QStringLiteral("8 control characters"))) << meter().text().toStdString();
    EXPECT_TRUE(meter().warns());
    EXPECT_EQ(colour(), Red);
    EXPECT_EQ(shown(meter().toolTip()), QStringLiteral("HEADLINE: control character U+0000 (NUL) appears 2 times\n"
                                                "SUB-HEADLINE: control character U+001F (US) appears once\n"
                                                "OPENING REMARKS: control character U+000B (VT) appears once\n"
                                                "OPENING REMARKS: control character U+001B (ESC) appears once\n"
                                                "BENEFITS HEADLINE: control character U+007F (DEL) appears once\n"
                                                "CALL TO ACTION FOR KINDLE BOOK: control character U+001B (ESC) appears once\n"
                                                "CALL TO ACTION FOR CREATESPACE PRINT BOOK: control character U+000C (FF) appears once"));

    // The copy message names those of its own fragment.
    ClickButton(window.button(L::CopyCreatespaceButton));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.endsWith(QStringLiteral("OPENING REMARKS: control character U+001B (ESC) appears once\r\n"
                                                                  "BENEFITS HEADLINE: control character U+007F (DEL) appears once\r\n"
                                                                  "CALL TO ACTION FOR CREATESPACE PRINT BOOK: control character U+000C (FF) appears once")))
        << messages.shown()[0].text.toStdString();

    // The boxes keep every one of them: saved again, the file is byte for byte the same.
    QString copy = folder.file(QStringLiteral("copy.qvn"));
    WriteDescriptionFile(copy);
    EXPECT_EQ(TempFolder::read(copy), bytes);
}

// The store's content rules: typed forbidden sentences counted apart from the tags, quoted
// in the tooltip, read out and listed in the copy message; a rule turned off is not applied.
TEST_F(ListingMeterTest, ContentFindingsAfterTypingAForbiddenSentence)
{
    QWidget* opening = window.boxes().widget(OpeningRemarks);
    opening->setFocus();
    QTest::keyClicks(opening, QStringLiteral("A quiet start <b>here."));
    QTest::keyClick(opening, Qt::Key_Return);
    QTest::keyClicks(opening, QStringLiteral("Visit www.example.com, or call 555-123-4567."));
    ASSERT_TRUE(meterShows(QStringLiteral("2 content findings"))) << meter().text().toStdString();
    EXPECT_EQ(meter().text(),
              QString::fromUtf16(u"Kindle 86 / 4,000 \u00b7 Print 78 / 4,000 \u00b7 1 tag finding \u00b7 2 content findings"));
    EXPECT_EQ(colour(), Red);
    const QString findings = QStringLiteral(
        "OPENING REMARKS: <b> is not closed\n"
        "OPENING REMARKS, line 2: \"www.example.com\" is a web address; the store does not allow contact details in a "
        "description.\n"
        "OPENING REMARKS, line 2: \"555-123-4567\" is a telephone number; the store does not allow contact details in a "
        "description.");
    EXPECT_EQ(shown(meter().toolTip()), findings);
    EXPECT_EQ(meter().accessibleDescription(), findings);

    ClickButton(window.button(L::CopyKindleButton));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, Copied + QStringLiteral("\r\n\r\n") + QString(findings).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), GenerateKindleHTML(ReadDescription(window.boxes())));

    // The line numbers follow a new first line.
    opening->setFocus();
    QTest::keyClick(opening, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(opening, QStringLiteral("Hello"));
    QTest::keyClick(opening, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown(meter().toolTip()).contains(QStringLiteral("line 3:")); }, 20000));
    EXPECT_TRUE(meter().text().endsWith(QString::fromUtf16(u"1 tag finding \u00b7 2 content findings")));

    // The marks move with what is typed before them at once, ahead of the next check.
    auto* marks = opening->findChild<FindingMarks*>();
    ASSERT_NE(marks, nullptr);
    const qsizetype address = marks->marked().value(1).start;
    QTest::keyClicks(opening, QStringLiteral("ab"));
    EXPECT_EQ(marks->marked().value(1).start, address + 2);
    QTest::keyClick(opening, Qt::Key_Backspace);
    EXPECT_EQ(marks->marked().value(1).start, address + 1);
    QTest::keyClick(opening, Qt::Key_Backspace);

    // F8 from the first box goes through the three in order and round again; Shift+F8 back.
    window.boxes().widget(Headline)->setFocus();
    const auto selected = [opening] { return static_cast<QPlainTextEdit*>(opening)->textCursor().selectedText(); };
    for (const char* words : {"<b>", "www.example.com", "555-123-4567", "<b>"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
        EXPECT_EQ(selected(), QString::fromLatin1(words));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(selected(), QStringLiteral("555-123-4567"));
    EXPECT_EQ(opening->accessibleDescription(), findings.split(u'\n').last().replace(QStringLiteral("line 2"), QStringLiteral("line 3")));

    // Hovering the marked words shows the finding and what to do instead.
    auto* edit = static_cast<QPlainTextEdit*>(opening);
    QTextCursor onWords(edit->document());
    onWords.setPosition(6 + 23 + 8);
    const QPoint at = edit->cursorRect(onWords).center();
    QHelpEvent hover(QEvent::ToolTip, at, edit->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(edit->viewport(), &hover);
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_TRUE(QToolTip::text().startsWith(findings.split(u'\n')[1].replace(QStringLiteral("line 2"), QStringLiteral("line 3"))))
        << QToolTip::text().toStdString();
    QToolTip::hideText();

    // The menu on marked words explains them; on a content finding it turns the rule off,
    // which applies at once and is said.
    const std::unique_ptr<QMenu> onTag(marks->createMenu(6 + 15));
    EXPECT_EQ(onTag->actions().value(0)->text(), FindingMarks::whyText());
    EXPECT_TRUE(onTag->actions().value(1)->isSeparator());
    const std::unique_ptr<QMenu> onAddress(marks->createMenu(6 + 23 + 8));
    EXPECT_EQ(onAddress->actions().value(0)->text(), FindingMarks::whyText());
    ASSERT_EQ(onAddress->actions().value(1)->text(), FindingMarks::turnOffText());
    onAddress->actions().value(1)->trigger();
    EXPECT_EQ(SettingsStore::read(SettingKey::CheckContactDetails), QStringLiteral("0"));
    EXPECT_TRUE(meter().lastCheck().contentFindings.isEmpty());
    EXPECT_TRUE(meter().text().endsWith(QString::fromUtf16(u"1 tag finding \u00b7 1 rule off")));
    window.settings().setRuleOn(ContentRule::ContactDetails, true);
    EXPECT_EQ(meter().lastCheck().contentFindings.size(), 2);
}

// A click on the length line, or Enter on it, opens the list: a row a finding under its box.
TEST_F(ListingMeterTest, OpensTheFindingsList)
{
    window.boxes().setBoxText(Headline, QStringLiteral("<i>Grow"));
    window.boxes().setBoxText(KindleCallToAction, QStringLiteral("Only $2.99 this week"));
    QTest::mouseClick(&meter(), Qt::LeftButton);
    auto* list = window.findChild<FindingsList*>();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(list->screen()->availableGeometry().contains(list->frameGeometry()));
    QTreeWidget* tree = list->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("HEADLINE"));
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("\"<i>\""));
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(2), QStringLiteral("Close the tag where its words end."));
    EXPECT_EQ(tree->topLevelItem(1)->childCount(), 1);
    list->close();
    meter().setFocus();
    QTest::keyClick(&meter(), Qt::Key_Return);
    EXPECT_TRUE(list->isVisible());
    // It follows the text.
    window.boxes().setBoxText(Headline, QStringLiteral("Grow"));
    window.findings().updateNow();
    EXPECT_EQ(tree->topLevelItemCount(), 1);
}
