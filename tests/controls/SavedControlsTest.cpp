#include "ButtonPicture.h"
#include "SavedControls.h"
#include "TempFolder.h"

#include <QFont>

#include <gtest/gtest.h>

// Comments, blank lines, indentation and any line ending are read past; keys, values and their
// order are kept, so the text written back is the canonical form of what was read.
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
    QString written = QStringLiteral("# the start dialog\n") + text;
    written.replace(QStringLiteral("[cmdNew]\n"), QStringLiteral("[cmdNew]\r\n"));
    written.replace(QStringLiteral("IconHighLiteColor"), QStringLiteral("  IconHighLiteColor"));
    QList<SavedControl> controls;
    QString error;
    ASSERT_TRUE(ParseSavedControls(written, controls, &error)) << error.toStdString();
    EXPECT_EQ(FormatSavedControls(controls), text);
    const PropertyBag cmdNew = SavedPropertiesOf(controls, QStringLiteral("cmdNew"));
    EXPECT_EQ(cmdNew.ReadProperty(QStringLiteral("Caption")).toString(), QStringLiteral("Start a \"new\" book description"));
    EXPECT_EQ(cmdNew.ReadProperty(QStringLiteral("Picture")).value<ButtonPicture>().kind(), ButtonPicture::Kind::Icon);
    EXPECT_TRUE(SavedPropertiesOf(controls, QStringLiteral("cmdHelp")).IsEmpty());

    // A picture that came from no file is kept inline; every font style survives.
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(3, 3, qRgba(200, 0, 0, 255));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    font.setStrikeOut(true);
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Picture"), QVariant::fromValue(ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon)));
    bag.WriteProperty(QStringLiteral("Font"), font);
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
