// What a failing comparison of Qt strings prints.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(QtPrinters, StringIsQuotedTextWithLineEndsSpelledOut)
{
    EXPECT_EQ(::testing::PrintToString(QStringLiteral("Headline\r\nTab\there \"quoted\" \\")),
        "\"Headline\\r\\nTab\\there \\\"quoted\\\" \\\\\"");
    EXPECT_EQ(::testing::PrintToString(QString::fromUtf16(u"caf\u00e9 \u20ac")), "\"caf\xc3\xa9 \xe2\x82\xac\"");
    EXPECT_EQ(::testing::PrintToString(QString(QChar(0x1f)) + QChar(0x7f) + QChar(0x85)), "\"\\x1f\\x7f\\u0085\"");
    EXPECT_EQ(::testing::PrintToString(QString()), "\"\"");
}

TEST(QtPrinters, StringListIsAListOfQuotedTexts)
{
    EXPECT_EQ(::testing::PrintToString(QStringList{"one", "two\n"}), "{ \"one\", \"two\\n\" }");
    EXPECT_EQ(::testing::PrintToString(QStringList()), "{}");
}

TEST(QtPrinters, BytesPrintAsTextWithHighBytesInHex)
{
    EXPECT_EQ(::testing::PrintToString(QByteArray("[[[QVN FILE]]]\r\n\x93q\x94")),
        "b\"[[[QVN FILE]]]\\r\\n\\x93q\\x94\"");
    EXPECT_EQ(::testing::PrintToString(QByteArray("a\0b", 3)), "b\"a\\x00b\"");
}

TEST(QtPrinters, ValuesInsideContainersUseThePrinters)
{
    const std::vector<QString> texts{"a\tb"};
    EXPECT_EQ(::testing::PrintToString(texts), "{ \"a\\tb\" }");
}
