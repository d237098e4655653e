#pragma once

#include <QString>

// text as one line of a terminal: line breaks, tabs and other control characters (C0, DEL,
// C1, and the line and paragraph separators) and the invisible format characters (the
// bidirectional controls and isolates, the zero-width spaces and joiners, the byte-order
// mark and their kin) shown as escapes ("\n", "\x1b", "\u202e", "\U000e0041"), so that a
// file name cannot split a message, reorder it on screen or send the terminal commands.
// Everything else, backslashes included, stays as it is.
QString OneLineText(const QString& text);

// Whether OneLineText escapes the character c.
bool IsTerminalControl(char32_t c);

// Whether c ends a line for some reader: CR, LF, vertical tab, form feed, next line (U+0085)
// and the line and paragraph separators.
constexpr bool IsLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x0b || c == 0x0c || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// text as it may stand in a one-line box: every break a space, CR LF one space.
QString BreaksAsSpaces(const QString& text);

// An HTML page for a terminal or a pipe. The separators and format characters become
// character references ("&#x202E;"), which mean to the page what they meant. The control
// characters (C0 but tab, CR and LF; DEL; C1) are left out: the store shows none, and a
// parser reads several of their references as other characters ("&#x9C;" as a ligature,
// "&#x0;" as a replacement sign). leftOut, if given, receives how many were.
QString TerminalSafeHtml(const QString& html, qsizetype* leftOut = nullptr);
