#include "PastedHtml.h"

#include "HtmlBlocks.h"

#include <QStringList>

namespace {
// A line of nothing but blanks: the spacer paragraphs word processors write between others.
bool blankLine(const QString& line)
{
    for (const QChar c : line)
        if (!c.isSpace())
            return false;
    return true;
}

QString boxLines(QStringView html, InlineTags tags)
{
    const HtmlBlocks read = ReadHtmlBlocks(html, tags);
    QStringList lines;
    for (const HtmlBlock& block : read.blocks) {
        const QStringList blockLines =
            block.kind == HtmlBlock::Kind::ListItem ? QStringList{block.lines.join(u' ')} : block.lines;
        for (const QString& line : blockLines)
            if (!blankLine(line))
                lines << line;
    }
    return lines.join(u'\n');
}
} // namespace

QString HtmlToBoxText(QStringView html)
{
    return boxLines(html, InlineTags::BoldAndItalic);
}

QString HtmlToPlainText(QStringView html)
{
    return boxLines(html, InlineTags::None);
}
