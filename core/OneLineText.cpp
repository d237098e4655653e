#include "OneLineText.h"

#include <algorithm>

namespace {
bool isFormatCharacter(char32_t c)
{
    return QChar::category(c) == QChar::Other_Format;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

// The character that starts at text[i], and how many units it takes.
char32_t characterAt(const QString& text, qsizetype i, qsizetype& units)
{
    units = 1;
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(text[i], text[i + 1]);
    }
    return text[i].unicode();
}

bool anyOf(const QString& text, bool (*test)(char32_t))
{
    for (qsizetype i = 0, units = 1; i < text.size(); i += units) {
        if (test(characterAt(text, i, units)))
            return true;
    }
    return false;
}

bool needsReference(char32_t c)
{
    return IsTerminalControl(c) && c != u'\t' && c != u'\n' && c != u'\r';
}
} // namespace

bool IsTerminalControl(char32_t c)
{
    return isControl(c) || c == 0x2028 || c == 0x2029 || isFormatCharacter(c);
}

QString OneLineText(const QString& text)
{
    if (!anyOf(text, IsTerminalControl))
        return text;
    QString line;
    line.reserve(text.size() + 16);
    for (qsizetype i = 0, units = 1; i < text.size(); i += units) {
        const char32_t c = characterAt(text, i, units);
        if (!IsTerminalControl(c))
            line += QStringView(text).sliced(i, units);
        else if (c == u'\n')
            line += QStringLiteral("\\n");
        else if (c == u'\r')
            line += QStringLiteral("\\r");
        else if (c == u'\t')
            line += QStringLiteral("\\t");
        else if (c > 0xffff)
            line += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
        else if (c > 0xff)
            line += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            line += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    }
    return line;
}

QString TerminalSafeHtml(const QString& html, qsizetype* leftOut)
{
    if (leftOut)
        *leftOut = 0;
    if (!anyOf(html, needsReference))
        return html;
    QString page;
    page.reserve(html.size() + 16);
    for (qsizetype i = 0, units = 1; i < html.size(); i += units) {
        const char32_t c = characterAt(html, i, units);
        if (!needsReference(c))
            page += QStringView(html).sliced(i, units);
        else if (!isControl(c))
            page += QStringLiteral("&#x") + QString::number(uint(c), 16).toUpper() + QLatin1Char(';');
        else if (leftOut)
            ++*leftOut;
    }
    return page;
}

QString BreaksAsSpaces(const QString& text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return IsLineBreak(c.unicode()); }))
        return text;
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (!IsLineBreak(u)) {
            line += text[i];
            continue;
        }
        if (u == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        line += u' ';
    }
    return line;
}
