// The command buttons on a screen that scales the program by two: every picture has its
// drawing at twice the size, and the screen shows that drawing pixel for pixel.
#include "CandyButton.h"
#include "CaptionPainter.h"
#include "CommandButtons.h"
#include "MainWindowLayout.h"
#include "MessageBoxDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

TEST(CommandButtonsScaled, EveryPictureHasALargerDrawingAndTheScreenShowsIt)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    for (const char* form : {":/forms/frmOnLoad.controls", ":/forms/frmMain.controls"}) {
        const QList<SavedControl> saved = ReadSavedControls(QLatin1String(form));
        ASSERT_FALSE(saved.isEmpty()) << form;
        for (const SavedControl& control : saved) {
            const auto picture = control.properties.ReadProperty("Picture").value<ButtonPicture>();
            EXPECT_EQ(picture.largerDrawing().size(), picture.image().size() * 2) << control.name.toStdString();
        }
    }
    QWidget bar;
    bar.resize(994, 101);
    const QList<SavedControl> saved = ReadSavedControls(QStringLiteral(":/forms/frmMain.controls"));
    for (const ButtonDeclaration& declaration : MainWindowLayout::Buttons)
        CreateCommandButton(&bar, declaration, saved);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    for (CandyButton* button : bar.findChildren<CandyButton*>()) {
        const ButtonPicture& picture = button->Picture();
        const QSize caption = MeasureCaption(button->Surface(), button->Caption());
        const CaptionLayout at =
            LayOutIconAndCaption(button->PictureAlignment(), button->width(), button->height(), picture.widthPixels(),
                                 picture.heightPixels(), caption.width(), caption.height(), button->CornerRadius());
        const QImage screen = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage& larger = picture.largerDrawing();
        int opaque = 0, differing = 0;
        for (int y = 0; y < larger.height(); ++y)
            for (int x = 0; x < larger.width(); ++x)
                if (qAlpha(larger.pixel(x, y)) == 255) {  // edges are blended with the face
                    ++opaque;
                    differing += screen.pixel(2 * at.iconX + x, 2 * at.iconY + y) != larger.pixel(x, y);
                }
        EXPECT_GT(opaque, larger.width() * larger.height() / 4) << button->objectName().toStdString();
        EXPECT_EQ(differing, 0) << button->objectName().toStdString();
    }
}

// The message box's information sign, too, shows its drawing at twice the size.
TEST(CommandButtonsScaled, TheInformationSignHasItsLargerDrawing)
{
    QMessageBox* shown = nullptr;
    QImage sign;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        const QLabel* icon = shown->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
        if (icon)
            sign = icon->pixmap().toImage();
        shown->accept();
    });
    ShowMessageBoxDialog({QStringLiteral("Copied."), MsgIcon::Information, MsgButtons::OK, QStringLiteral("Quorvane")});
    ASSERT_NE(shown, nullptr);
    const QImage drawing(QStringLiteral(":/icons/information@2x.png"));
    ASSERT_EQ(drawing.size(), QSize(64, 64));
    EXPECT_EQ(sign.convertToFormat(QImage::Format_ARGB32), drawing.convertToFormat(QImage::Format_ARGB32));
}
