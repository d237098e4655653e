#include "CandyButton.h"
#include "SavedControls.h"
#include "TempFolder.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(SavedControls, ReadsAWindowsButtonsInOrder)
{
    TempFolder folder;
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(qRgba(10, 20, 30, 255));
    const QString iconPath = folder.file(QStringLiteral("new.png"));
    ASSERT_TRUE(icon.save(iconPath));

    const QString text = QStringLiteral("# the start dialog\n"
                                        "[cmdNew]\r\n"
                                        "Font = Font(\"Verdana\", 8.25)\n"
                                        "Caption = \"Start a \"\"new\"\" book description\"\n"
                                        "  IconHighLiteColor = 0\n"
                                        "Picture = Picture(\"%1\")\n"
                                        "PictureAlignment = 2\n"
                                        "Checked = False\n"
                                        "ColorButtonUp = 0x00E99950\n"
                                        "BorderBrightness = -5\n"
                                        "\n"
                                        "[cmdOpen]\n"
                                        "Font = Font(\"Tahoma\", 9, Bold, Italic)\n")
                             .arg(iconPath);
    QList<SavedControl> controls;
    QString error;
    ASSERT_TRUE(ParseSavedControls(text, controls, &error)) << error.toStdString();
    ASSERT_EQ(controls.size(), 2);
    EXPECT_EQ(controls[0].name, QStringLiteral("cmdNew"));
    const PropertyBag& bag = controls[0].properties;
    EXPECT_EQ(bag.Keys(), (QStringList{"Font", "Caption", "IconHighLiteColor", "Picture", "PictureAlignment",
                                       "Checked", "ColorButtonUp", "BorderBrightness"}));

    QWidget host;
    auto* button = new CandyButton(&host);
    button->ReadProperties(SavedPropertiesOf(controls, QStringLiteral("cmdNew")));
    EXPECT_EQ(button->Font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(button->Font().pointSizeF(), 8.25);
    EXPECT_EQ(button->Caption(), QStringLiteral("Start a \"new\" book description"));
    EXPECT_EQ(button->IconHighLiteColor(), 0u);
    EXPECT_EQ(button->Picture().kind(), ButtonPicture::Kind::Icon);
    EXPECT_EQ(button->Picture().widthPixels(), 16);
    EXPECT_EQ(button->PictureAlignment(), PictureLeft);
    EXPECT_FALSE(button->Checked());
    EXPECT_EQ(button->ColorButtonUp(), 0xE99950u);
    EXPECT_EQ(button->BorderBrightness(), -5);

    const PropertyBag open = SavedPropertiesOf(controls, QStringLiteral("cmdOpen"));
    const QFont font = open.ReadProperty(QStringLiteral("Font")).value<QFont>();
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(SavedPropertiesOf(controls, QStringLiteral("cmdHelp")).IsEmpty());
}

TEST(SavedControls, WhatAButtonWritesReadsBackTheSame)
{
    QWidget host;
    auto* button = new CandyButton(&host);
    button->setObjectName(QStringLiteral("cmdSave"));
    button->InitProperties();
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    button->SetFont(font);
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(3, 3, qRgba(200, 0, 0, 255));
    button->SetPicture(ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon)); // no file: kept inline
    button->SetStyle(StyleToolbar);
    button->SetColorScheme(6);
    button->SetCaption(QStringLiteral("Save \"As\"..."));
    PropertyBag written;
    button->WriteProperties(written);

    const QString text = FormatSavedControls({{QStringLiteral("cmdSave"), written}});
    EXPECT_TRUE(text.startsWith(QStringLiteral("[cmdSave]\nFont = Font(\"Verdana\", 8.25, Underline)\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nColorButtonUp = 0x00008080\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nCaption = \"Save \"\"As\"\"...\"\n")));
    QList<SavedControl> controls;
    ASSERT_TRUE(ParseSavedControls(text, controls));
    ASSERT_EQ(controls.size(), 1);
    EXPECT_EQ(controls[0].properties, written);
}

TEST(SavedControls, MalformedLinesAreReportedWithTheirNumber)
{
    QList<SavedControl> controls{{QStringLiteral("kept"), {}}};
    QString error;
    EXPECT_FALSE(ParseSavedControls(QStringLiteral("Caption = \"x\"\n"), controls, &error));
    EXPECT_EQ(error, QStringLiteral("line 1: a property before the first [Name]"));
    EXPECT_FALSE(ParseSavedControls(QStringLiteral("[a]\n\nCaption = \"x\n"), controls, &error));
    EXPECT_EQ(error, QStringLiteral("line 3: unterminated or malformed string"));
    EXPECT_FALSE(ParseSavedControls(QStringLiteral("[a]\nStyle = one\n"), controls, &error));
    EXPECT_EQ(error, QStringLiteral("line 2: unknown value one"));
    EXPECT_FALSE(ParseSavedControls(QStringLiteral("[a]\nFont = Font(\"Verdana\")\n"), controls, &error));
    EXPECT_FALSE(ParseSavedControls(QStringLiteral("[a]\nPicture = Picture(\"/no/such/file.png\")\n"), controls, &error));
    EXPECT_EQ(error, QStringLiteral("line 2: cannot read the picture"));
    EXPECT_FALSE(ParseSavedControls(QStringLiteral("[a]\njust words\n"), controls, &error));
    // A failed parse leaves the caller's list alone.
    ASSERT_EQ(controls.size(), 1);
    EXPECT_EQ(controls[0].name, QStringLiteral("kept"));
}
