#include "CandyButton.h"
#include "SavedControls.h"
#include "TempFolder.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(SavedControls, ReadsAWindowsButtonsInOrderAndWritesThemBack)
{
    TempFolder folder;
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(qRgba(10, 20, 30, 255));
    const QString iconPath = folder.file(QStringLiteral("new.png"));
    ASSERT_TRUE(icon.save(iconPath));
    const QString text = QStringLiteral("[cmdNew]\n"
                                        "Font = Font(\"Verdana\", 8.25)\n"
                                        "Caption = \"Start a \"\"new\"\" book description\"\n"
                                        "IconHighLiteColor = 0\n"
                                        "Picture = Picture(\"%1\")\n"
                                        "PictureAlignment = 2\n"
                                        "Checked = False\n"
                                        "ColorButtonUp = 0x00E99950\n"
                                        "BorderBrightness = -5\n"
                                        "\n"
                                        "[cmdOpen]\n"
                                        "Font = Font(\"Tahoma\", 9, Bold, Italic)\n")
                             .arg(iconPath);
    // Comments, blank lines, indentation and any line ending are read past; the rest is kept in order.
    QString written = QStringLiteral("# the start dialog\n") + text;
    written.replace(QStringLiteral("[cmdNew]\n"), QStringLiteral("[cmdNew]\r\n"));
    written.replace(QStringLiteral("IconHighLiteColor"), QStringLiteral("  IconHighLiteColor"));
    QList<SavedControl> controls;
    QString error;
    ASSERT_TRUE(ParseSavedControls(written, controls, &error)) << error.toStdString();
    EXPECT_EQ(FormatSavedControls(controls), text);
    EXPECT_TRUE(SavedPropertiesOf(controls, QStringLiteral("cmdHelp")).IsEmpty());

    QWidget host;
    auto* button = new CandyButton(&host);
    button->SetChecked(true);
    button->ReadProperties(SavedPropertiesOf(controls, QStringLiteral("cmdNew")));
    EXPECT_EQ(button->Font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(button->Font().pointSizeF(), 8.25);
    EXPECT_EQ(button->Caption(), QStringLiteral("Start a \"new\" book description"));
    EXPECT_EQ(button->Picture().kind(), ButtonPicture::Kind::Icon);
    EXPECT_EQ(button->Picture().widthPixels(), 16);
    EXPECT_EQ((std::array<qint64, 5>{button->IconHighLiteColor(), button->PictureAlignment(), button->Checked(),
                                     button->ColorButtonUp(), button->BorderBrightness()}),
              (std::array<qint64, 5>{0, PictureLeft, false, 0xE99950, -5}));

    // What a button writes, an inline picture and quotes in its caption included, reads back the same.
    QFont font = button->Font();
    font.setUnderline(true);
    button->SetFont(font);
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(3, 3, qRgba(200, 0, 0, 255));
    button->SetPicture(ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon));
    button->SetColorScheme(6);
    PropertyBag bag;
    button->WriteProperties(bag);
    ASSERT_TRUE(ParseSavedControls(FormatSavedControls({{QStringLiteral("cmdSave"), bag}}), controls));
    ASSERT_EQ(controls.size(), 1);
    EXPECT_EQ(controls[0].properties, bag);
}

TEST(SavedControls, MalformedLinesAreReportedWithTheirNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Caption = \"x\"\n", "line 1: a property before the first [Name]"},
        {"[a]\n\nCaption = \"x\n", "line 3: unterminated or malformed string"},
        {"[a]\nStyle = one\n", "line 2: unknown value one"},
        {"[a]\nPicture = Picture(\"/no/such/file.png\")\n", "line 2: cannot read the picture"},
        {"[a]\nFont = Font(\"Verdana\")\n", nullptr},
        {"[a]\njust words\n", nullptr},
    };
    for (const auto& [text, message] : cases) {
        QList<SavedControl> controls{{QStringLiteral("kept"), {}}};
        QString error;
        EXPECT_FALSE(ParseSavedControls(QString::fromUtf8(text), controls, &error)) << text;
        if (message) {
            EXPECT_EQ(error, QString::fromUtf8(message));
        }
        // A failed parse leaves the caller's list alone.
        ASSERT_EQ(controls.size(), 1);
        EXPECT_EQ(controls[0].name, QStringLiteral("kept"));
    }
}
