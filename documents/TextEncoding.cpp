#include "TextEncoding.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// Length of the well-formed UTF-8 sequence at p (lead byte >= 0x80), 0 when it is not one.
int utf8SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const auto continuation = [&](int i) { return p + i < end && (p[i] & 0xC0) == 0x80; };
    const unsigned char b = p[0];
    if (b >= 0xC2 && b <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        if (!continuation(1) || !continuation(2))
            return 0;
        if ((b == 0xE0 && p[1] < 0xA0) || (b == 0xED && p[1] >= 0xA0))
            return 0;  // overlong, or a surrogate
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3))
            return 0;
        if ((b == 0xF0 && p[1] < 0x90) || (b == 0xF4 && p[1] >= 0x90))
            return 0;  // overlong, or past U+10FFFF
        return 4;
    }
    return 0;
}

} // namespace

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? HighControlRange[b - 0x80] : char16_t(b);
    }
    return text;
}

std::optional<QByteArray> EncodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const std::optional<char> b = windows1252Byte(c.unicode());
        if (!b)
            return std::nullopt;
        *out++ = *b;
    }
    return bytes;
}

bool IsMultiByteUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    bool multiByte = false;
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int length = utf8SequenceLength(p, end);
        if (length == 0)
            return false;
        multiByte = true;
        p += length;
    }
    return multiByte;
}

QString DecodeFileText(QByteArrayView bytes)
{
    return IsMultiByteUtf8(bytes) ? QString::fromUtf8(bytes) : DecodeWindows1252(bytes);
}

QByteArray EncodeFileText(QStringView text)
{
    // Code-page bytes that happen to form UTF-8 ("Ã©") would read back as other text.
    if (std::optional<QByteArray> bytes = EncodeWindows1252(text); bytes && !IsMultiByteUtf8(*bytes))
        return *std::move(bytes);
    return text.toUtf8();
}
