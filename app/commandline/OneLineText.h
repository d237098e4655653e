#pragma once

#include <QString>

// text as one line of a terminal: line breaks, tabs and other control characters (C0, DEL,
// C1, and the line and paragraph separators) shown as escapes ("\n", "\x1b", "\u2028"), so
// that a file name cannot split a message or send the terminal commands. Everything else,
// backslashes included, stays as it is.
QString OneLineText(const QString& text);
