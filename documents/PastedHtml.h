#pragma once

#include <QString>
#include <QStringView>

// Formatted text from the clipboard (a word processor's or a web page's HTML) as the lines of
// a box, joined by "\n": bold and italics as <b> and <i>, each paragraph, line break and list
// item a line of its own (an item's own breaks become spaces: one benefit each), nothing
// else. Empty when the HTML holds no text or nests too deep to read.
QString HtmlToBoxText(QStringView html);

// The same lines without any tag.
QString HtmlToPlainText(QStringView html);
