#pragma once

#include <QColor>
#include <QTextCharFormat>

// How a misspelled word looks in a box of either kind: the style's spelling underline, in red.
inline QTextCharFormat MisspelledFormat()
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(QColor(255, 0, 0));
    return format;
}
