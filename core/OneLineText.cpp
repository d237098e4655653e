#include "OneLineText.h"

#include <algorithm>

namespace {
constexpr bool needsEscape(char16_t c)
{
    return IsTerminalControl(c);
}

constexpr bool needsReference(char16_t c)
{
    return needsEscape(c) && c != u'\t' && c != u'\n' && c != u'\r';
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

QString TerminalSafeHtml(const QString& html)
{
    if (std::none_of(html.cbegin(), html.cend(), [](QChar c) { return needsReference(c.unicode()); }))
        return html;
    QString page;
    page.reserve(html.size() + 16);
    for (const QChar c : html) {
        if (needsReference(c.unicode()))
            page += QStringLiteral("&#x") + QString::number(c.unicode(), 16).toUpper() + QLatin1Char(';');
        else
            page += c;
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
