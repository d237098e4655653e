#include "HtmlImport.h"

#include "HtmlBlocks.h"
#include "OwnFragment.h"
#include "TextEncoding.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace HtmlImport {

namespace {

using Kind = HtmlBlock::Kind;
const QString CrLf = QStringLiteral("\r\n");

bool isBoldLine(const QString& line)
{
    return line.size() > 7 && line.startsWith(u"<b>") && line.indexOf(u"</b>") == line.size() - 4;
}

QString unbold(const QString& line)
{
    return line.mid(3, line.size() - 7);
}

// Words that ask the reader to buy, for telling the call to action from a closing remark.
bool asksToBuy(const HtmlBlock& block)
{
    if (block.kind != Kind::Paragraph)
        return false;
    const QString text = block.lines.join(u' ').toLower();
    for (const char16_t* phrase : {u"buy", u"order your", u"order now", u"order today", u"scroll up", u"click",
                                   u"download", u"purchase", u"get your copy", u"grab your copy", u"add to cart"})
        if (text.contains(QStringView(phrase)))
            return true;
    return false;
}

class SectionWriter {
public:
    explicit SectionWriter(QStringList& dropped) : m_dropped(dropped) {}

    // Blocks as box text. In the opening remarks a line break is a line of the box and a
    // paragraph a blank line; where every line of the box is a paragraph (closing remarks,
    // call to action), a break inside a paragraph stays the author's "<br>".
    QString write(const std::vector<HtmlBlock>& blocks, size_t from, size_t to, bool linesAreParagraphs)
    {
        QStringList paragraphs;
        for (size_t i = from; i < to; ++i) {
            const HtmlBlock& b = blocks[i];
            if (b.kind == Kind::ListItem) {
                // A list beyond the benefits stays a list, as tags on one line.
                const char* tag = b.ordered ? "ol" : "ul";
                QString list = QStringLiteral("<%1>").arg(QLatin1String(tag));
                for (; i < to && blocks[i].kind == Kind::ListItem && blocks[i].list == b.list; ++i)
                    list += QStringLiteral("<li>") + blocks[i].lines.join(u' ') + QStringLiteral("</li>");
                --i;
                paragraphs << list + QStringLiteral("</%1>").arg(QLatin1String(tag));
            } else if (b.kind == Kind::Heading) {
                paragraphs << heading(b);
            } else {
                paragraphs << b.lines.join(linesAreParagraphs ? QStringLiteral("<br>") : CrLf);
            }
        }
        return paragraphs.join(linesAreParagraphs ? CrLf : CrLf + CrLf);
    }

    // A heading that is not one of the description's: the store takes h4 to h6.
    QString heading(const HtmlBlock& b)
    {
        const QString text = b.lines.join(u' ');
        if (b.level >= 4)
            return QStringLiteral("<h%1>%2</h%1>").arg(b.level).arg(text);
        m_dropped << QStringLiteral("<h%1>").arg(b.level);
        return text;
    }

private:
    QStringList& m_dropped;
};

Description mapBlocks(std::vector<HtmlBlock> blocks, QStringList& dropped)
{
    Description d;
    SectionWriter writer(dropped);
    const size_t n = blocks.size();
    size_t i = 0;
    if (i < n && blocks[i].kind == Kind::Heading)
        d[Headline] = blocks[i++].lines.join(u' ');
    if (i == 1 && i < n && blocks[i].kind == Kind::Heading) {
        d[Subheadline] = blocks[i++].lines.join(u' ');
    } else if (i < n && blocks[i].kind == Kind::Paragraph && isBoldLine(blocks[i].lines.front())) {
        d[Subheadline] = unbold(blocks[i].lines.takeFirst());
        if (blocks[i].lines.isEmpty())
            ++i;
    }

    size_t list = i;
    while (list < n && blocks[list].kind != Kind::ListItem)
        ++list;
    size_t openingEnd = list;
    if (list < n && list > i) {
        HtmlBlock& before = blocks[list - 1];
        if (before.kind == Kind::Heading) {
            d[BenefitsHeadline] = before.lines.join(u' ');
            --openingEnd;
        } else if (before.kind == Kind::Paragraph && isBoldLine(before.lines.back())) {
            d[BenefitsHeadline] = unbold(before.lines.takeLast());
            if (before.lines.isEmpty())
                --openingEnd;
        }
    }
    size_t closingStart = list;
    if (list < n) {
        QStringList benefits;
        for (; closingStart < n && blocks[closingStart].kind == Kind::ListItem &&
               blocks[closingStart].list == blocks[list].list;
             ++closingStart)
            benefits << blocks[closingStart].lines.join(u' ');
        d[MainBenefits] = benefits.join(CrLf);
    }

    // The last paragraph, when it asks the reader to buy, is the call to action.
    size_t end = n;
    const size_t firstAfterBenefits = list < n ? closingStart : i;
    if (end > firstAfterBenefits && asksToBuy(blocks[end - 1])) {
        --end;
        d[KindleCallToAction] = writer.write(blocks, end, n, true);
        if (openingEnd > end)
            openingEnd = end;
    }
    d[OpeningRemarks] = writer.write(blocks, i, openingEnd, false);
    if (closingStart < end)
        d[ClosingRemarks] = writer.write(blocks, closingStart, end, true);
    return d;
}

// A fragment saved by an editor usually ends with a line end of its own.
QStringView withoutFinalLineEnds(QStringView text)
{
    while (!text.isEmpty() && (text.back() == u'\n' || text.back() == u'\r'))
        text.chop(1);
    return text;
}

} // namespace

std::optional<Result> fromText(QStringView html)
{
    Result result;
    for (const QStringView fragment : {withoutFinalLineEnds(html), html}) {
        if (std::optional<OwnFragment> own = ReadOwnFragment(fragment)) {
            result.description = own->description;
            result.exact = true;
            result.kindle = own->kindle;
            return result;
        }
    }
    HtmlBlocks read = ReadHtmlBlocks(html, InlineTags::Store);
    if (read.tooDeep)
        return std::nullopt;
    result.dropped = read.dropped;
    result.description = mapBlocks(std::move(read.blocks), result.dropped);
    result.description.BookTitle = read.title;
    result.dropped.sort();
    result.dropped.removeDuplicates();
    return result;
}

std::optional<QString> textOfBytes(QByteArrayView bytes)
{
    const auto startsWith = [bytes](const char* bom) { return bytes.startsWith(QByteArrayView(bom)); };
    QString text;
    if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
        QStringDecoder decoder(startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        text = decoder(bytes.sliced(2));
        if (decoder.hasError())
            return std::nullopt;
    } else {
        text = DecodeFileText(startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes);
    }
    // Both decodings keep a NUL byte as a NUL character.
    if (text.contains(QChar(0)))
        return std::nullopt;
    return text;
}

bool isHtmlPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(u"html", Qt::CaseInsensitive) == 0 || suffix.compare(u"htm", Qt::CaseInsensitive) == 0;
}

QString titleFromPath(const QString& path)
{
    const QString base = QFileInfo(path).completeBaseName().trimmed();
    return base.isEmpty() ? QStringLiteral("Imported description") : base;
}

QString droppedLine(const QStringList& dropped)
{
    if (dropped.isEmpty())
        return {};
    return QStringLiteral("dropped what the store does not take, keeping its text: ") +
           dropped.join(QStringLiteral(", "));
}

} // namespace HtmlImport
