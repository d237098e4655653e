// The main window on a 1600 by 1200 test screen: layout, change tracking, F1 and its stored position.
#include "AppTestSupport.h"
#include "MainWindowLayout.h"
#include "WindowPosition.h"
#include "frmMain.h"
#include "CandyButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace L = MainWindowLayout;

namespace {
QRect placeIn(const QWidget* widget, const QWidget* window) { return {widget->mapTo(window, QPoint(0, 0)), widget->size()}; }

class MainWindowTest : public FirstRunTest {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* box(int i) { return window.boxes().widget(i); }

    frmMain window;
};
} // namespace

TEST_F(MainWindowTest, LayoutSpotChecks)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_EQ(window.size(), QSize(994, 747));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint), Qt::WindowMinimizeButtonHint);

    const struct { L::MainButton which; QRect geometry; const char* caption; } buttons[] = {
        {L::NewButton, {3, 7, 63, 51}, "New"},
        {L::SaveAsButton, {195, 7, 63, 51}, "Save As..."},
        {L::CopyCreatespaceButton, {269, 36, 204, 23}, "Copy Createspace Description"},
        {L::AboutButton, {714, 36, 202, 23}, "About Quorvane"},
        {L::CloseButton, {927, 7, 63, 51}, "Close"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.caption);
        EXPECT_EQ(placeIn(window.button(b.which), &window), b.geometry);
        EXPECT_EQ(window.button(b.which)->Caption(), QString::fromLatin1(b.caption));
    }

    DescriptionBoxes& boxes = window.boxes();
    EXPECT_EQ(boxes.widget(Headline)->geometry(), QRect(27, 124, 942, 26));
    EXPECT_EQ(boxes.widget(MainBenefits)->geometry(), QRect(27, 392, 942, 120));
    EXPECT_EQ(boxes.widget(CreateSpaceCallToAction)->geometry(), QRect(27, 697, 942, 28));
    for (const SectionInfo& section : SectionTable) {
        SCOPED_TRACE(section.name);
        QWidget* box = boxes.widget(section.index);
        const auto* multi = qobject_cast<QPlainTextEdit*>(box);
        EXPECT_EQ(multi ? multi->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn : false, section.multiLine);
        EXPECT_EQ(box->font().family(), QStringLiteral("Verdana"));
        EXPECT_TRUE(box->font().pointSizeF() == section.pointSize && box->font().bold() == section.bold);
        const QLabel* caption = window.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(section.index));
        EXPECT_TRUE(caption->text() == QLatin1String(section.caption) && caption->font().pointSizeF() == 8.25);
    }
    EXPECT_EQ(boxes.widget(Headline)->palette().color(QPalette::Text), QColor(255, 128, 0));

    // The title: read-only, dark blue on grey, and typing does not reach it.
    auto* title = qobject_cast<QLineEdit*>(boxes.widget(BookTitleBox));
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->isReadOnly());
    EXPECT_EQ(placeIn(title, &window), QRect(91, 74, 893, 19));
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 9.75);
    EXPECT_TRUE(title->palette().color(QPalette::Base) == QColor(224, 224, 224) && title->palette().color(QPalette::Text) == QColor(0, 0, 128));
    QTest::keyClicks(title, QStringLiteral("abc"));
    EXPECT_EQ(title->text(), QString());
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(MainWindowTest, SectionFramesAreDottedOnEveryOtherPixelOfTheirEdgesAtEveryScale)
{
    QWidget* frame = window.findChild<QWidget*>(QStringLiteral("Shape1_2"));
    ASSERT_NE(frame, nullptr);
    const QRgb grey = L::LightGrey.rgb(), paper = qRgb(255, 255, 255);
    const int right = frame->width() - 1, bottom = frame->height() - 1;
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        QImage image(frame->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(paper);
        frame->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        // Every device pixel of a logical pixel alike: a dot is a block at a scale of two.
        const auto at = [&](int x, int y) {
            const QRgb first = image.pixel(x * scale, y * scale);
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    if (image.pixel(x * scale + dx, y * scale + dy) != first)
                        return qRgb(1, 2, 3);
            return first;
        };
        // Corners, the first gaps, the last pixels of odd and even edges, and inside.
        EXPECT_EQ(at(0, 0), grey);
        EXPECT_EQ(at(1, 0), paper);
        EXPECT_EQ(at(2, 0), grey);
        EXPECT_EQ(at(0, 1), paper);
        EXPECT_EQ(at(0, 2), grey);
        EXPECT_EQ(at(2, bottom), grey);
        EXPECT_EQ(at(3, bottom), paper);
        EXPECT_EQ(at(right, 2), grey);
        EXPECT_EQ(at(right, 3), paper);
        EXPECT_EQ(at(right, bottom), (right % 2 == 0 || bottom % 2 == 0) ? grey : paper);
        EXPECT_EQ(at(1, 1), paper);
        EXPECT_EQ(at(right / 2 * 2, 1), paper);
        int dotsOnTop = 0;
        for (int x = 0; x <= right; ++x)
            dotsOnTop += at(x, 0) == grey;
        // The even pixels, and the right edge's own first dot when the width is even.
        EXPECT_EQ(dotsOnTop, right / 2 + 1 + right % 2);
    }
}

TEST_F(MainWindowTest, ChangesFromTypingAndFromAssignmentWithCrLfOnTheDocumentSide)
{
    for (const SectionInfo& section : SectionTable) {
        Document().DocumentDirty = false;
        box(section.index)->setFocus();
        QTest::keyClicks(box(section.index), QStringLiteral("x"));
        EXPECT_TRUE(Document().DocumentDirty) << section.name;
    }

    box(ClosingRemarks)->setFocus();
    QTest::keyClick(box(ClosingRemarks), Qt::Key_Return);
    QTest::keyClicks(box(ClosingRemarks), QStringLiteral("c"));
    QTest::keyClick(box(ClosingRemarks), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(box(ClosingRemarks), QStringLiteral("d"));
    EXPECT_EQ(window.boxes().boxText(ClosingRemarks), QStringLiteral("x\r\nc\r\nd"));

    // Assigning marks a change only when the text differs; breaks and non-breaking spaces survive.
    DescriptionBoxes& boxes = window.boxes();
    for (const auto& [index, text] : {std::pair{int(BookTitleBox), QStringLiteral("Garden Basics")}, {MainBenefits, QStringLiteral("Soil\r\nSeeds\r\nWatering")},
                                      {Headline, QStringLiteral("Two\r\nlines")}, {OpeningRemarks, QStringLiteral("10\u00A0kg\r\n")}, {OpeningRemarks, QString()}}) {
        SCOPED_TRACE(text.toStdString());
        Document().DocumentDirty = false;
        boxes.setBoxText(index, text);
        EXPECT_TRUE(Document().DocumentDirty);
        EXPECT_EQ(boxes.boxText(index), text);
        Document().DocumentDirty = false;
        boxes.setBoxText(index, text);
        EXPECT_FALSE(Document().DocumentDirty);
    }
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(box(MainBenefits))->toPlainText(), QStringLiteral("Soil\nSeeds\nWatering"));
}

TEST_F(MainWindowTest, F1ReleasedAnywhereInTheWindowAsksForHelp)
{
    QSignalSpy help(&window, &frmMain::helpRequested);
    box(MainBenefits)->setFocus();
    QTest::keyClicks(box(MainBenefits), QStringLiteral("text"));
    QTest::keyClick(box(MainBenefits), Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(window.boxes().boxText(MainBenefits), QStringLiteral("text"));

    for (QWidget* elsewhere : {static_cast<QWidget*>(window.button(L::SaveButton)), static_cast<QWidget*>(&window)})
        QTest::keyClick(elsewhere, Qt::Key_F1);
    EXPECT_EQ(help.count(), 3);

    // Not other keys, the repeats of a held key, nor F1 in another window.
    QTest::keyClick(box(Headline), Qt::Key_F2);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(box(Headline), &repeat);
    QDialog owned(&window);
    owned.show();
    QTest::keyClick(&owned, Qt::Key_F1);
    EXPECT_EQ(help.count(), 3);

    ClickButton(window.button(L::HelpButton));
    EXPECT_EQ(help.count(), 4);
}

TEST(WindowPositionRule, AppliesFromZeroUpToScreenMinusWindow)
{
    for (const auto& [saved, screen, window, applied] :
         {std::tuple<std::optional<int>, int, int, std::optional<int>>{0, 1000, 400, 0}, {600, 1000, 400, 600},
          {601, 1000, 400, std::nullopt}, {-1, 1000, 400, std::nullopt}, {std::nullopt, 1000, 400, std::nullopt},
          {0, 300, 400, std::nullopt}})
        EXPECT_EQ(WindowPosition::applied(saved, screen, window), applied) << saved.value_or(-99) << " " << screen;
}

// On a test screen of 1600 by 1200 pixels the 994 by 747 window fits up to 9090, 6795 twips.
TEST_F(FirstRunTest, StoredPositionWithinTheScreenIsRestoredEachAxisOnItsOwn)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1600, 1200));
    const struct { const char *left, *top; QPoint at; bool xMoved, yMoved; } cases[] = {
        {"9090", "6795", {606, 453}, true, true}, {"9091", "1500", {606, 100}, false, true},
        {"1500", "6796", {100, 453}, true, false}, {"-1", "-1", {-1, -1}, false, false},
        {"abc", "", {-1, -1}, false, false}, {"12abc", "x7", {-1, -1}, false, false}, {nullptr, nullptr, {-1, -1}, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left ? c.left : "nothing stored");
        QFile::remove(settingsFile());
        if (c.left) {
            SettingsStore::write(SettingKey::WindowLeft, QString::fromLatin1(c.left));
            SettingsStore::write(SettingKey::WindowTop, QString::fromLatin1(c.top));
        }
        frmMain window;
        WindowPosition::restore(&window);
        // An axis not applied stays off the edge it was refused.
        EXPECT_EQ(window.testAttribute(Qt::WA_Moved), c.xMoved || c.yMoved);
        EXPECT_EQ(window.x() == c.at.x(), c.xMoved) << window.x();
        EXPECT_EQ(window.y() == c.at.y(), c.yMoved) << window.y();
    }
}

TEST_F(FirstRunTest, ARestoredPositionIsWhereTheWindowShowsAndAMinimisedCloseStoresNothing)
{
    SettingsStore::write(SettingKey::WindowLeft, QStringLiteral("1500"));
    SettingsStore::write(SettingKey::WindowTop, QStringLiteral("3000"));
    frmMain window;  // then minimised and moved, it stores nothing
    WindowPosition::restore(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.pos(), QPoint(100, 200));
    window.move(150, 90);
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    ASSERT_TRUE(window.close());
    EXPECT_EQ(QStringList({setting(SettingKey::WindowLeft), setting(SettingKey::WindowTop)}), QStringList({"1500", "3000"}));
}

// The call to action's usual text takes two lines of its box: both show whole, so that the
// end of the text scrolls nothing into view.
TEST_F(MainWindowTest, TheCallToActionShowsItsSecondLineWhole)
{
    auto* cta = qobject_cast<QPlainTextEdit*>(box(KindleCallToAction));
    ASSERT_NE(cta, nullptr);
    window.boxes().setBoxText(KindleCallToAction,
                              "Take action now. Scroll up and click the 'buy' button at the top of this page and you can "
                              "read Garden Basics on your Kindle device, computer, tablet or smartphone.");
    cta->setFocus();
    QTest::keyClick(cta, Qt::Key_Home, Qt::ControlModifier);
    cta->clearFocus();  // no caret in the pictures
    const QImage top = cta->viewport()->grab().toImage();
    int inkBelowFirstLine = 0;
    for (int y = top.height() / 2; y < top.height(); ++y)
        for (int x = 0; x < top.width(); ++x)
            inkBelowFirstLine += top.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_GT(inkBelowFirstLine, 50) << "no second line";
    cta->setFocus();
    QTest::keyClick(cta, Qt::Key_End, Qt::ControlModifier);
    cta->clearFocus();
    EXPECT_EQ(cta->viewport()->grab().toImage(), top) << "the second line was cut";
}

// The top bar's groups in a bar narrower than the design: a group goes on while it fits.
TEST(MainWindowLayoutFlow, GroupsWrapWhereTheNextNoLongerFits)
{
    using P = L::GroupPlace;
    const std::vector<int> widths{263, 215, 230, 213, 73};
    EXPECT_EQ(L::FlowGroups(widths, 994), (std::vector<P>{{0, 0}, {263, 0}, {478, 0}, {708, 0}, {921, 0}}));
    EXPECT_EQ(L::FlowGroups(widths, 708), (std::vector<P>{{0, 0}, {263, 0}, {478, 0}, {0, 1}, {213, 1}}));
    EXPECT_EQ(L::FlowGroups(widths, 707), (std::vector<P>{{0, 0}, {263, 0}, {0, 1}, {230, 1}, {443, 1}}));
    // Narrower than a group: each on a row of its own, at the left edge.
    EXPECT_EQ(L::FlowGroups(widths, 200), (std::vector<P>{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}));
}
