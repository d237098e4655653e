#include "AppTestSupport.h"
#include "MainWindowLayout.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace L = MainWindowLayout;

namespace {
class MainWindowLayoutTest : public FirstRunTest {
protected:
    QImage picture()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window.grab().toImage();
    }
    QColor pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

    frmMain window;
};

const QColor Grey192(192, 192, 192);
const QColor Grey224(224, 224, 224);
} // namespace

TEST_F(MainWindowLayoutTest, FixedWhiteWindowWithoutMaximise)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_EQ(window.size(), QSize(994, 747));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    const QImage image = picture();
    EXPECT_EQ(pixel(image, 500, 740), QColor(Qt::white));   // below the last frame
    EXPECT_EQ(pixel(image, 20, 3), QColor(Qt::white));      // top bar above the buttons
}

TEST_F(MainWindowLayoutTest, TopBarHasItsBandAndSeparatorLines)
{
    const QImage image = picture();
    EXPECT_EQ(pixel(image, 5, 70), Grey224);        // band behind the title row, left of the label
    EXPECT_EQ(pixel(image, 5, 99), Grey224);        // band still at 1485 twips
    EXPECT_EQ(pixel(image, 5, 101), QColor(Qt::white));
    EXPECT_EQ(pixel(image, 500, 64), Grey192);      // line under the buttons (960 twips)
    EXPECT_EQ(pixel(image, 5, 98), Grey192);        // line under the title row (1470 twips)
    for (int x : {263, 478, 708, 921})              // between the button groups
        EXPECT_EQ(pixel(image, x, 30), Grey192) << x;
    EXPECT_EQ(pixel(image, 264, 30), QColor(Qt::white));
}

TEST_F(MainWindowLayoutTest, ButtonsSitWhereDeclaredWithCaptionsTipsAndPictures)
{
    struct Expected {
        L::MainButton which;
        QRect geometry;
        const char* caption;
    };
    const Expected expected[] = {
        {L::NewButton, {3, 7, 63, 51}, "New"},
        {L::SaveAsButton, {195, 7, 63, 51}, "Save As..."},
        {L::CopyCreatespaceButton, {269, 36, 204, 23}, "Copy Createspace Description"},
        {L::PreviewKindleButton, {484, 8, 219, 23}, "Preview Kindle Description"},
        {L::AboutButton, {714, 36, 202, 23}, "About Quorvane"},
        {L::CloseButton, {927, 7, 63, 51}, "Close"},
    };
    for (const Expected& e : expected) {
        QAbstractButton* button = window.button(e.which);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->mapTo(&window, QPoint(0, 0)), e.geometry.topLeft()) << e.caption;
        EXPECT_EQ(button->size(), e.geometry.size()) << e.caption;
        EXPECT_EQ(button->text(), QString::fromLatin1(e.caption));
    }
    for (int i = 0; i < L::MainButtonCount; ++i) {
        QAbstractButton* button = window.button(static_cast<L::MainButton>(i));
        EXPECT_FALSE(button->icon().isNull()) << i;
        EXPECT_FALSE(button->toolTip().isEmpty()) << i;
        EXPECT_EQ(button->objectName(), QString::fromLatin1(L::Buttons[i].name));
    }
    EXPECT_EQ(window.button(L::CloseButton)->toolTip(), QStringLiteral("Close Quorvane"));
    EXPECT_EQ(window.button(L::CopyKindleButton)->toolTip(),
              QStringLiteral("Copy the Kindle description code to the clipboard"));
}

TEST_F(MainWindowLayoutTest, SectionBoxesStackInIndexOrderWithTheirKindAndFont)
{
    DescriptionBoxes& boxes = window.boxes();
    EXPECT_EQ(boxes.widget(Headline)->geometry(), QRect(27, 124, 942, 26));
    EXPECT_EQ(boxes.widget(MainBenefits)->geometry(), QRect(27, 392, 942, 120));
    EXPECT_EQ(boxes.widget(CreateSpaceCallToAction)->geometry(), QRect(27, 697, 942, 28));

    for (const SectionInfo& section : SectionTable) {
        QWidget* box = boxes.widget(section.index);
        EXPECT_EQ(box->parentWidget(), &window);
        auto* multi = qobject_cast<QPlainTextEdit*>(box);
        EXPECT_EQ(multi != nullptr, section.multiLine) << section.name;
        if (multi)
            EXPECT_EQ(multi->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        else
            EXPECT_FALSE(qobject_cast<QLineEdit*>(box)->hasFrame());
        EXPECT_EQ(box->font().family(), QStringLiteral("Verdana"));
        EXPECT_DOUBLE_EQ(box->font().pointSizeF(), section.pointSize) << section.name;
        EXPECT_EQ(box->font().bold(), section.bold) << section.name;
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::white));
    }
    EXPECT_EQ(boxes.widget(Headline)->palette().color(QPalette::Text), QColor(255, 128, 0));
    EXPECT_EQ(boxes.widget(BenefitsHeadline)->palette().color(QPalette::Text), QColor(255, 128, 0));
    EXPECT_EQ(boxes.widget(Subheadline)->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(MainWindowLayoutTest, TitleBoxIsReadOnlyDarkBlueOnGrey)
{
    auto* title = qobject_cast<QLineEdit*>(window.boxes().widget(BookTitleBox));
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->isReadOnly());
    EXPECT_EQ(title->mapTo(&window, QPoint(0, 0)), QPoint(91, 74));
    EXPECT_EQ(title->size(), QSize(893, 19));
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 9.75);
    EXPECT_EQ(title->palette().color(QPalette::Base), Grey224);
    EXPECT_EQ(title->palette().color(QPalette::Text), QColor(0, 0, 128));

    auto* label = window.findChild<QLabel*>(QStringLiteral("lblBookTitle"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Book Title:"));
    EXPECT_EQ(label->geometry(), QRect(14, 74, 71, 16));

    // The user cannot type a title.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(title, QStringLiteral("abc"));
    EXPECT_EQ(title->text(), QString());
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(MainWindowLayoutTest, EachSectionSitsInADottedFrameWithItsCaptionOnTheTopEdge)
{
    const QImage image = picture();
    for (const SectionInfo& section : SectionTable) {
        const QRect frame = PixelRect(L::SectionFrame(section.index));
        QWidget* box = window.boxes().widget(section.index);
        EXPECT_EQ(frame.left(), box->x() - 11);
        EXPECT_EQ(frame.right(), box->geometry().right() + 9);
        EXPECT_LT(frame.top(), box->y());
        EXPECT_GT(frame.bottom(), box->geometry().bottom());
        // Dotted: every other pixel of the left edge.
        EXPECT_EQ(pixel(image, frame.left(), frame.top() + 2), Grey192) << section.name;
        EXPECT_EQ(pixel(image, frame.left(), frame.top() + 3), QColor(Qt::white)) << section.name;

        auto* caption = window.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(section.index));
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(), QString::fromLatin1(section.caption));
        EXPECT_DOUBLE_EQ(caption->font().pointSizeF(), 8.25);
        EXPECT_EQ(caption->palette().color(QPalette::WindowText), Grey192);
        EXPECT_LT(caption->y(), frame.top());
        EXPECT_GT(caption->geometry().bottom(), frame.top());
        // The caption interrupts the frame line: white there, not grey.
        EXPECT_EQ(pixel(image, caption->x() + 1, frame.top()), QColor(Qt::white)) << section.name;
        // Frames of neighbouring sections do not run into each other.
        if (section.index > 0) {
            EXPECT_GT(caption->y(), PixelRect(L::SectionFrame(section.index - 1)).bottom()) << section.name;
        }
    }
}

TEST_F(MainWindowLayoutTest, TabGoesThroughTheBoxesInIndexOrder)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    DescriptionBoxes& boxes = window.boxes();
    boxes.widget(Headline)->setFocus();
    for (int i = 1; i < BoxCount; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), boxes.widget(i)) << i;
    }
}
