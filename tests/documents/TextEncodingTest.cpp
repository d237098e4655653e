#include "TextEncoding.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

TEST(TextEncoding, Windows1252DecodesEveryByteAsWindowsDoesAndRefusesWhatItCannotHold)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = DecodeWindows1252(all);
    // Latin-1 but for 0x80 to 0x9F, where the five unassigned bytes are the C1 controls of the same value.
    const QString high = QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    EXPECT_EQ(text, QString::fromLatin1(all.left(0x80)) + high + QString::fromLatin1(all.mid(0xA0)));
    // The system's converter, where it has one, agrees byte for byte.
    if (QStringDecoder system("windows-1252"); system.isValid()) {
        EXPECT_EQ(system.decode(all), text);
    }
    EXPECT_EQ(EncodeWindows1252(text), all);
    for (const char* refused : {"a中", "a\uFEFF", "😀", "\u0100"})
        EXPECT_EQ(EncodeWindows1252(QString::fromUtf8(refused)), std::nullopt) << refused;
}

TEST(TextEncoding, OnlyWellFormedUtf8WithAMultiByteSequenceCountsAsUtf8)
{
    for (const char* utf8 : {"caf\xC3\xA9", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(IsMultiByteUtf8(utf8)) << utf8;
    for (const char* other : {"plain ASCII\r\n", "", "caf\xE9", "\xC3\xA9 and \xE9" /* one stray byte */,
                              "\xC0\x80", "\xE0\x80\xAF" /* overlong */, "\xED\xA0\x80" /* surrogate */,
                              "\xF4\x90\x80\x80" /* past U+10FFFF */, "\xE4\xB8" /* cut short */, "\x80"})
        EXPECT_FALSE(IsMultiByteUtf8(other)) << other;
}

TEST(TextEncoding, FileTextTakesTheCodePageWheneverItReadsBackTheSame)
{
    EXPECT_EQ(EncodeFileText(u"Caf\u00e9 \u20ac5 \u2026"), QByteArray("Caf\xE9 \x80" "5 \x85"));
    // "Ã©" in the code page is C3 A9, which would read back as "é": such text goes as UTF-8.
    const QString mojibake = QString::fromUtf8("Ã©");
    EXPECT_EQ(EncodeFileText(mojibake), mojibake.toUtf8());
    for (const QString& text : {QString::fromUtf8("Tea \u4e2d \U0001F600"), mojibake, QStringLiteral("\u0081\u009D")})
        EXPECT_EQ(DecodeFileText(EncodeFileText(text)), text);
}
