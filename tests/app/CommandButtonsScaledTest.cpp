// The command buttons on a screen that scales the program by two: every picture has its
// drawing at twice the size, and that drawing is what the screen shows.
#include "CandyButton.h"
#include "CaptionPainter.h"
#include "CommandButtons.h"
#include "MainWindowLayout.h"

#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace L = MainWindowLayout;

TEST(CommandButtonsScaled, EveryPictureHasItsDrawingAtTwiceTheSize)
{
    for (const QString& form : {QStringLiteral(":/forms/frmMain.controls"), QStringLiteral(":/forms/frmOnLoad.controls")}) {
        const QList<SavedControl> controls = ReadSavedControls(form);
        ASSERT_FALSE(controls.isEmpty()) << form.toStdString();
        for (const SavedControl& control : controls) {
            SCOPED_TRACE(control.name.toStdString());
            const auto picture = control.properties.ReadProperty(QStringLiteral("Picture")).value<ButtonPicture>();
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(picture.largerDrawing().size(), picture.image().size() * 2);
        }
    }
}

TEST(CommandButtonsScaled, TheScreenShowsTheLargerDrawingPixelForPixel)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    QWidget bar;
    bar.resize(PixelsFromTwips(L::ClientWidth), PixelsFromTwips(L::TopBar.height));
    const QList<SavedControl> saved = ReadSavedControls(QStringLiteral(":/forms/frmMain.controls"));
    std::vector<CandyButton*> buttons;
    for (const ButtonDeclaration& declaration : L::Buttons)
        buttons.push_back(CreateCommandButton(&bar, declaration, saved));
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));

    for (CandyButton* button : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        const ButtonPicture& picture = button->Picture();
        const QSize caption = MeasureCaption(button->Surface(), button->Caption());
        const CaptionLayout at =
            LayOutIconAndCaption(button->PictureAlignment(), button->width(), button->height(), picture.widthPixels(),
                                 picture.heightPixels(), caption.width(), caption.height(), button->CornerRadius());
        const QImage screen = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(screen.size(), button->size() * 2);
        const QImage& larger = picture.largerDrawing();
        int compared = 0, differing = 0;
        for (int y = 0; y < larger.height(); ++y) {
            for (int x = 0; x < larger.width(); ++x) {
                if (qAlpha(larger.pixel(x, y)) < 255)
                    continue;  // an edge blended with the face
                ++compared;
                differing += screen.pixel(2 * at.iconX + x, 2 * at.iconY + y) != larger.pixel(x, y);
            }
        }
        EXPECT_GT(compared, larger.width() * larger.height() / 4);
        EXPECT_EQ(differing, 0);
    }
}
