#include "QtPrinters.h"

#include <cstdio>
#include <ostream>

namespace {

// Line ends, tabs and other control characters are spelled out, so a failure
// shows exactly which bytes differ; everything else prints as UTF-8.
void printEscaped(char32_t c, std::ostream& out)
{
    switch (c) {
    case '\r': out << "\\r"; return;
    case '\n': out << "\\n"; return;
    case '\t': out << "\\t"; return;
    case '"': out << "\\\""; return;
    case '\\': out << "\\\\"; return;
    default: break;
    }
    char code[12];
    if (c < 0x20 || c == 0x7f) {
        std::snprintf(code, sizeof code, "\\x%02x", unsigned(c));
        out << code;
    } else if (c >= 0x80 && c < 0xa0) {
        std::snprintf(code, sizeof code, "\\u%04x", unsigned(c));
        out << code;
    } else {
        out << QString::fromUcs4(&c, 1).toStdString();
    }
}

} // namespace

QT_BEGIN_NAMESPACE

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"';
    for (const char32_t c : text.toUcs4())
        printEscaped(c, *out);
    *out << '"';
}

void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i) {
        *out << (i == 0 ? " " : ", ");
        PrintTo(texts.at(i), out);
    }
    *out << (texts.isEmpty() ? "}" : " }");
}

void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    // Bytes that are not text (a file's binary parts) print one by one.
    *out << "b\"";
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        if (c >= 0x80) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", unsigned(c));
            *out << code;
        } else {
            printEscaped(c, *out);
        }
    }
    *out << '"';
}

QT_END_NAMESPACE
