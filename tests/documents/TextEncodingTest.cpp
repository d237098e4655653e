#include "TextEncoding.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

TEST(TextEncoding, Windows1252DecodesEveryByteAsWindowsDoes)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[b].unicode(), b) << "byte " << b << " is the C1 control of the same value";
    for (int b = 0xA0; b < 0x100; ++b)
        EXPECT_EQ(text[b].unicode(), b);

    // The system's converter, where it has one, agrees byte for byte.
    QStringDecoder system("windows-1252");
    if (system.isValid()) {
        EXPECT_EQ(system.decode(all), text);
    }

    EXPECT_EQ(EncodeWindows1252(text), all) << "every byte comes back";
}

TEST(TextEncoding, Windows1252EncoderRefusesWhatItCannotHold)
{
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("é€…")), QByteArray("\xE9\x80\x85"));
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("a中")), std::nullopt);
    EXPECT_EQ(EncodeWindows1252(QString(QChar(0xFEFF))), std::nullopt);
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("😀")), std::nullopt);
    EXPECT_EQ(EncodeWindows1252(QString(QChar(0x0100))), std::nullopt);
}

TEST(TextEncoding, OnlyWellFormedUtf8WithAMultiByteSequenceCountsAsUtf8)
{
    EXPECT_FALSE(IsMultiByteUtf8("plain ASCII\r\n"));
    EXPECT_FALSE(IsMultiByteUtf8(""));
    EXPECT_TRUE(IsMultiByteUtf8("caf\xC3\xA9"));
    EXPECT_TRUE(IsMultiByteUtf8("\xE4\xB8\xAD"));
    EXPECT_TRUE(IsMultiByteUtf8("\xF0\x9F\x98\x80"));
    EXPECT_TRUE(IsMultiByteUtf8("\xF4\x8F\xBF\xBF"));
    EXPECT_FALSE(IsMultiByteUtf8("caf\xE9"));                  // Windows-1252 é
    EXPECT_FALSE(IsMultiByteUtf8("\xC3\xA9 and \xE9"));        // one stray byte spoils it
    EXPECT_FALSE(IsMultiByteUtf8("\xC0\x80"));                 // overlong
    EXPECT_FALSE(IsMultiByteUtf8("\xE0\x80\xAF"));             // overlong
    EXPECT_FALSE(IsMultiByteUtf8("\xED\xA0\x80"));             // surrogate
    EXPECT_FALSE(IsMultiByteUtf8("\xF4\x90\x80\x80"));         // past U+10FFFF
    EXPECT_FALSE(IsMultiByteUtf8("\xE4\xB8"));                 // cut short
    EXPECT_FALSE(IsMultiByteUtf8("\x80"));
}

TEST(TextEncoding, FileTextTakesTheCodePageWheneverItReadsBackTheSame)
{
    EXPECT_EQ(EncodeFileText(u"Caf\u00e9 \u20ac5"), QByteArray("Caf\xE9 \x80" "5"));
    EXPECT_EQ(EncodeFileText(u"Tea \u4e2d"), QByteArray("Tea \xE4\xB8\xAD"));
    // "Ã©" in the code page is C3 A9, which would read back as "é": such text goes as UTF-8.
    const QString mojibake = QString::fromUtf8("Ã©");
    EXPECT_EQ(EncodeFileText(mojibake), mojibake.toUtf8());
    for (const QString& text : {QString::fromUtf8("Caf\u00e9 \u20ac5"), QString::fromUtf8("Tea \u4e2d \U0001F600"), mojibake,
                                QString(QChar(0x81)) + QChar(0x9D)})
        EXPECT_EQ(DecodeFileText(EncodeFileText(text)), text);

    EXPECT_EQ(DecodeFileText("Caf\xE9 \x80"), QString::fromUtf8("Café €"));
    EXPECT_EQ(DecodeFileText("Caf\xC3\xA9"), QString::fromUtf8("Café"));
}
