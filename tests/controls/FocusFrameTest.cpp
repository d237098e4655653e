#include "FocusFrame.h"

#include <QPainter>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
// White, with the focus frame over its left half while it has the focus.
class Framed : public QWidget {
public:
    Framed() { setFocusPolicy(Qt::StrongFocus); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        if (hasFocus())
            PaintFocusFrame(this, QRect(0, 0, width() / 2, height()));
    }
};

// Columns of the widget's picture where a pixel is not white.
QList<int> MarkedColumns(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                columns.append(x);
                break;
            }
    return columns;
}
} // namespace

TEST(FocusFrame, DrawnOverTheGivenAreaOnceTabHasBroughtTheFocus)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new Framed;
    auto* second = new Framed;
    layout->addWidget(first);
    layout->addWidget(second);
    window.resize(200, 100);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(MarkedColumns(*second).isEmpty());

    QTest::keyClick(&window, Qt::Key_Tab);
    ASSERT_TRUE(second->hasFocus());
    const QList<int> marked = MarkedColumns(*second);
    ASSERT_FALSE(marked.isEmpty()) << "no focus frame";
    EXPECT_LT(marked.last(), second->width() / 2) << "the frame ran past its area";
}
