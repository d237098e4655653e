#pragma once

#include <QString>

// text as one line of a terminal: line breaks, tabs and other control characters (C0, DEL,
// C1, and the line and paragraph separators) shown as escapes ("\n", "\x1b", "\u2028"), so
// that a file name cannot split a message or send the terminal commands. Everything else,
// backslashes included, stays as it is.
QString OneLineText(const QString& text);

// Whether OneLineText escapes c.
constexpr bool IsTerminalControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

// Whether c ends a line for some reader: CR, LF, vertical tab, form feed, next line (U+0085)
// and the line and paragraph separators.
constexpr bool IsLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x0b || c == 0x0c || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// text as it may stand in a one-line box: every break a space, CR LF one space.
QString BreaksAsSpaces(const QString& text);

// An HTML page for a terminal or a pipe: the same characters but tab and line breaks as
// character references ("&#x1B;"), so the page means what it meant and the terminal sees none.
QString TerminalSafeHtml(const QString& html);
