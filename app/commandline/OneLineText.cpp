#include "OneLineText.h"

#include <algorithm>

namespace {
bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}
} // namespace

QString OneLineText(const QString& text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return needsEscape(c.unicode()); }))
        return text;
    QString line;
    line.reserve(text.size() + 16);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!needsEscape(u))
            line += c;
        else if (u == u'\n')
            line += QStringLiteral("\\n");
        else if (u == u'\r')
            line += QStringLiteral("\\r");
        else if (u == u'\t')
            line += QStringLiteral("\\t");
        else if (u > 0xff)
            line += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            line += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
    }
    return line;
}
