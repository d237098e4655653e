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
const QColor Grey192(192, 192, 192), Grey224(224, 224, 224), White(Qt::white);
QRect placeIn(const QWidget* widget, const QWidget* window) { return {widget->mapTo(window, QPoint(0, 0)), widget->size()}; }
} // namespace

TEST_F(FirstRunTest, MainWindowLayoutSpotChecks)
{
    frmMain window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_EQ(window.size(), QSize(994, 747));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint), Qt::WindowMinimizeButtonHint);

    const struct { L::MainButton which; QRect geometry; const char* caption; } buttons[] = {
        {L::NewButton, {3, 7, 63, 51}, "New"},
        {L::SaveAsButton, {195, 7, 63, 51}, "Save As..."},
        {L::CopyCreatespaceButton, {269, 36, 204, 23}, "Copy Createspace Description"},
        {L::PreviewKindleButton, {484, 8, 219, 23}, "Preview Kindle Description"},
        {L::AboutButton, {714, 36, 202, 23}, "About Quorvane"},
        {L::CloseButton, {927, 7, 63, 51}, "Close"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.caption);
        EXPECT_EQ(placeIn(window.button(b.which), &window), b.geometry);
        EXPECT_EQ(window.button(b.which)->text(), QString::fromLatin1(b.caption));
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
    EXPECT_TRUE(title->palette().color(QPalette::Base) == Grey224 && title->palette().color(QPalette::Text) == QColor(0, 0, 128));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClicks(title, QStringLiteral("abc"));
    EXPECT_EQ(title->text(), QString());
    EXPECT_FALSE(Document().DocumentDirty);

    // Painted: the band behind the title row, a separator line, dotted frames broken by their captions.
    const QImage image = window.grab().toImage();
    const auto at = [&image](int x, int y) { return QColor(image.pixel(x, y)); };
    EXPECT_TRUE(at(5, 70) == Grey224 && at(5, 101) == White && at(500, 64) == Grey192);
    for (const SectionInfo& section : SectionTable) {
        SCOPED_TRACE(section.name);
        const QRect frame = PixelRect(L::SectionFrame(section.index));
        EXPECT_EQ(frame.left(), boxes.widget(section.index)->x() - 11);
        EXPECT_TRUE(at(frame.left(), frame.top() + 2) == Grey192 && at(frame.left(), frame.top() + 3) == White);
        EXPECT_EQ(at(window.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(section.index))->x() + 1, frame.top()), White);
    }

    // Tab goes through the boxes in index order.
    boxes.widget(Headline)->setFocus();
    for (int i = 1; i < BoxCount; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), boxes.widget(i)) << i;
    }
}
