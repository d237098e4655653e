#include "ButtonPicture.h"
#include "SavedControls.h"
#include "TempFolder.h"

#include <QFont>

#include <gtest/gtest.h>

#include <optional>

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

    // A failed parse reports the line and leaves the caller's list alone.
    for (auto [bad, message] : {std::pair{"Caption = \"x\"\n", "line 1: a property before the first [Name]"},
                                {"[a]\n\nCaption = \"x\n", "line 3: unterminated or malformed string"},
                                {"[a]\nStyle = one\n", "line 2: unknown value one"},
                                {"[a]\nPicture = Picture(\"/no/such/file.png\")\n", "line 2: cannot read the picture"}}) {
        EXPECT_FALSE(ParseSavedControls(QString::fromUtf8(bad), controls, &error)) << bad;
        EXPECT_EQ(error, QString::fromUtf8(message));
        EXPECT_EQ(controls.size(), 2) << bad;
    }
}

// Where each kind of line and value ends: one past a limit is refused, not read as something else.
TEST(SavedControls, NamesNumbersAndCallsAreReadUpToTheirLimits)
{
    const auto valueOf = [](const char* line) -> std::optional<QVariant> {
        QList<SavedControl> controls;
        if (!ParseSavedControls(QStringLiteral("[a_1]\r") + QString::fromUtf8(line), controls) || controls.size() != 1)
            return std::nullopt;
        const QList<PropertyBag::Entry> entries = controls.front().properties.Entries();
        return entries.size() == 1 ? std::optional(entries.front().second) : std::nullopt;
    };
    EXPECT_EQ(valueOf("Key=-123456789"), QVariant(-123456789));
    EXPECT_EQ(valueOf("Key = 1234567890"), std::nullopt);  // ten digits: no number of ours
    EXPECT_EQ(valueOf("Key = 0XABCDEF01"), QVariant(qlonglong(0xABCDEF01)));
    EXPECT_EQ(valueOf("Key = 0x0ABCDEF01"), std::nullopt);  // nine hexadecimal digits
    EXPECT_EQ(valueOf("Key = 0x"), std::nullopt);
    EXPECT_EQ(valueOf("Key = -"), std::nullopt);
    EXPECT_EQ(valueOf("_k9 \t=\t  true"), QVariant(true));
    EXPECT_EQ(valueOf("9k = 1"), std::nullopt);  // a name starts with a letter
    EXPECT_EQ(valueOf("Key 1 = 1"), std::nullopt);
    EXPECT_EQ(valueOf("Key = Font(\"Verdana\", 8.25)x"), std::nullopt);
    EXPECT_EQ(valueOf("Key = Fonts(\"Verdana\", 8.25)"), std::nullopt);
    EXPECT_EQ(valueOf("Key = PictureData(\"\")"), std::nullopt);  // a call, but no picture in it
    ASSERT_NE(valueOf("Key = Font(\"Verdana\", 8.25, Bold)"), std::nullopt);
    EXPECT_TRUE(valueOf("Key = Font(\"Verdana\", 8.25, Bold)")->value<QFont>().bold());

    QList<SavedControl> controls;
    EXPECT_FALSE(ParseSavedControls(QStringLiteral("[]\nKey = 1"), controls));
    EXPECT_FALSE(ParseSavedControls(QStringLiteral("[a b]\nKey = 1"), controls));
    ASSERT_TRUE(ParseSavedControls(QStringLiteral("[_]\r\n\r\n[b]\rKey = 2\n"), controls));
    ASSERT_EQ(controls.size(), 2);
    EXPECT_EQ(controls[0].name, QStringLiteral("_"));
    EXPECT_EQ(SavedPropertiesOf(controls, QStringLiteral("b")).ReadProperty(QStringLiteral("Key")), QVariant(2));
}

