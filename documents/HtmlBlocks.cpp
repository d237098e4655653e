#include "HtmlBlocks.h"

#include "HtmlEntities.h"
#include "HtmlTokenizer.h"

#include <algorithm>

namespace {

bool oneOf(QStringView name, std::initializer_list<const char16_t*> names)
{
    return std::any_of(names.begin(), names.end(), [name](const char16_t* n) { return name == QStringView(n); });
}

bool isHtmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Elements that sit inside a line; every other element begins and ends a block.
bool isInline(QStringView name)
{
    return oneOf(name, {u"b", u"strong", u"i", u"em", u"u", u"span", u"font", u"a", u"small", u"big", u"sup", u"sub",
                        u"s", u"strike", u"del", u"ins", u"mark", u"abbr", u"cite", u"code", u"q", u"kbd", u"var",
                        u"time", u"label", u"bdi", u"bdo", u"img", u"wbr", u"nobr", u"tt", u"dfn", u"o:p"});
}

// What the store takes, and the page skeleton that no one would miss.
bool isReported(QStringView name)
{
    return !oneOf(name, {u"b", u"strong", u"i", u"em", u"u", u"br", u"p", u"ul", u"ol", u"li", u"h1", u"h2", u"h3",
                         u"h4", u"h5", u"h6", u"html", u"head", u"body", u"title"});
}

int headingLevel(QStringView name)
{
    if (name.size() == 2 && name[0] == u'h' && name[1] >= u'1' && name[1] <= u'6')
        return name[1].unicode() - u'0';
    return 0;
}

// What a style attribute says of weight and slant: 1 on, 0 off, -1 nothing.
int styleSays(const QString& style, QStringView property, std::initializer_list<const char16_t*> on,
              std::initializer_list<const char16_t*> off)
{
    const QString lower = style.toLower();
    qsizetype at = lower.indexOf(property);
    if (at < 0)
        return -1;
    at = lower.indexOf(u':', at);
    if (at < 0)
        return -1;
    const qsizetype end = lower.indexOf(u';', at);
    const QString value = lower.mid(at + 1, end < 0 ? -1 : end - at - 1).trimmed().remove(QStringLiteral("!important")).trimmed();
    if (oneOf(value, on))
        return 1;
    if (oneOf(value, off))
        return 0;
    return -1;
}

// Builds the blocks from the document's events, one line at a time.
class BlockBuilder {
public:
    std::vector<HtmlBlock> blocks;

    void text(QStringView text)
    {
        for (const QChar c : text) {
            if (isHtmlSpace(c)) {
                m_pendingSpace = true;
                continue;
            }
            if (m_pendingSpace && !m_line.isEmpty())
                m_line += u' ';
            m_pendingSpace = false;
            openTags();
            m_line += c;
            m_breaks = 0;
        }
    }

    void lineBreak()
    {
        endLine();
        // Two breaks in a row end a paragraph, as the store's own fragments separate them.
        if (++m_breaks >= 2 && context().kind == HtmlBlock::Kind::Paragraph)
            endBlock();
    }

    void boundary()
    {
        endBlock();
        m_breaks = 2;
    }

    void heading(int level)
    {
        boundary();
        m_heading = level;
    }

    void list(bool start, bool ordered)
    {
        boundary();
        if (start) {
            if (m_listDepth++ == 0) {
                m_list = m_lists++;
                m_ordered = ordered;
            }
        } else if (m_listDepth > 0 && --m_listDepth == 0) {
            m_inItem = false;
        }
    }

    void item(bool start)
    {
        boundary();
        m_inItem = start && m_listDepth > 0;
    }

    // An inline element that opens tags (none, or "b" and "i").
    void push(const QString& element, const QStringList& tags)
    {
        ++m_group;
        for (const QString& tag : tags)
            m_open.push_back({element, tag, m_group, false});
        if (tags.isEmpty())
            m_open.push_back({element, {}, m_group, false});
        markRedundant();
    }

    void pop(const QString& element)
    {
        auto last = std::find_if(m_open.rbegin(), m_open.rend(), [&](const Open& o) { return o.element == element; });
        if (last == m_open.rend())
            return;
        const int group = last->group;
        const auto first = std::find_if(m_open.begin(), m_open.end(), [group](const Open& o) { return o.group == group; });
        // Whatever opened inside closes first, and opens again with the next text.
        for (auto o = m_open.rbegin(); o != m_open.rend() && &*o >= &*first; ++o)
            closeTag(*o);
        m_open.erase(std::remove_if(m_open.begin(), m_open.end(), [group](const Open& o) { return o.group == group; }),
                     m_open.end());
        markRedundant();
    }

    void finish() { endBlock(); }

private:
    struct Open {
        QString element;
        QString tag;  // empty: the element adds no tag
        int group;
        bool emitted;
        bool redundant = false;
    };

    HtmlBlock context() const
    {
        HtmlBlock block;
        if (m_heading > 0) {
            block.kind = HtmlBlock::Kind::Heading;
            block.level = m_heading;
        } else if (m_inItem) {
            block.kind = HtmlBlock::Kind::ListItem;
            block.list = m_list;
            block.ordered = m_ordered;
        }
        return block;
    }

    void markRedundant()
    {
        for (size_t i = 0; i < m_open.size(); ++i) {
            m_open[i].redundant = false;
            for (size_t j = 0; j < i && !m_open[i].tag.isEmpty(); ++j)
                if (m_open[j].tag == m_open[i].tag && !m_open[j].redundant)
                    m_open[i].redundant = true;
        }
    }

    void openTags()
    {
        for (Open& o : m_open)
            if (!o.tag.isEmpty() && !o.redundant && !o.emitted) {
                m_line += u'<' + o.tag + u'>';
                o.emitted = true;
            }
    }

    void closeTag(Open& o)
    {
        if (o.emitted)
            m_line += QStringLiteral("</") + o.tag + u'>';
        o.emitted = false;
    }

    void endLine()
    {
        for (auto o = m_open.rbegin(); o != m_open.rend(); ++o)
            closeTag(*o);
        if (!m_line.isEmpty()) {
            if (m_block.lines.isEmpty())
                m_block = context();
            m_block.lines << m_line;
        }
        m_line.clear();
        m_pendingSpace = false;
    }

    void endBlock()
    {
        endLine();
        if (!m_block.lines.isEmpty())
            blocks.push_back(std::move(m_block));
        m_block = HtmlBlock{};
        m_heading = 0;
    }

    HtmlBlock m_block;
    QString m_line;
    bool m_pendingSpace = false;
    int m_breaks = 2;
    int m_heading = 0;
    int m_listDepth = 0;
    int m_list = -1;
    int m_lists = 0;
    bool m_ordered = false;
    bool m_inItem = false;
    int m_group = 0;
    std::vector<Open> m_open;
};

QStringList inlineTags(const HtmlTokenizer::Token& token, InlineTags kept)
{
    const QString& name = token.name;
    if (kept == InlineTags::None)
        return {};
    if (kept == InlineTags::Store) {
        if (name == u"strong" || name == u"b")
            return {QStringLiteral("b")};
        if (oneOf(name, {u"i", u"u", u"em"}))
            return {name};
        return {};
    }
    // A word processor says bold and italic with tags or with styles, and sometimes takes
    // them back with a style (a whole document wrapped in a bold tag of normal weight).
    const QString style = token.attribute(u"style");
    int bold = styleSays(style, u"font-weight", {u"bold", u"bolder", u"600", u"700", u"800", u"900"},
                         {u"normal", u"lighter", u"100", u"200", u"300", u"400", u"500"});
    int italic = styleSays(style, u"font-style", {u"italic", u"oblique"}, {u"normal"});
    if (bold < 0)
        bold = name == u"b" || name == u"strong";
    if (italic < 0)
        italic = name == u"i" || name == u"em";
    QStringList tags;
    if (bold)
        tags << QStringLiteral("b");
    if (italic)
        tags << QStringLiteral("i");
    return tags;
}

} // namespace

HtmlBlocks ReadHtmlBlocks(QStringView html, InlineTags tags)
{
    HtmlBlocks result;
    BlockBuilder builder;
    HtmlTokenizer tokenizer(html);
    QStringList dropped;
    int depth = 0;
    bool inTitle = false;
    for (HtmlTokenizer::Token token = tokenizer.next(); token.kind != HtmlTokenizer::Kind::End; token = tokenizer.next()) {
        switch (token.kind) {
        case HtmlTokenizer::Kind::Text:
            if (inTitle)
                result.title += DecodeHtmlText(token.source);
            else
                builder.text(DecodeHtmlText(token.source));
            continue;
        case HtmlTokenizer::Kind::Comment:
            dropped << QStringLiteral("comments");
            continue;
        case HtmlTokenizer::Kind::RawText:
        case HtmlTokenizer::Kind::Declaration:
        case HtmlTokenizer::Kind::End:
            continue;
        case HtmlTokenizer::Kind::StartTag:
        case HtmlTokenizer::Kind::EndTag:
            break;
        }
        const bool start = token.kind == HtmlTokenizer::Kind::StartTag;
        const QString& name = token.name;
        if (isReported(name))
            dropped << u'<' + name + u'>';
        for (const QString& attribute : token.attributes)
            dropped << attribute;

        // p and li close themselves; a void element has nothing inside it.
        const bool contains = !HtmlTokenizer::IsVoidElement(name) && !token.selfClosing && name != u"p" && name != u"li";
        if (contains && start && ++depth > MaxHtmlNesting) {
            result.tooDeep = true;
            return result;
        }
        if (contains && !start && depth > 0)
            --depth;

        if (name == u"title") {
            inTitle = start;
        } else if (name == u"br") {
            builder.lineBreak();
        } else if (const int level = headingLevel(name)) {
            builder.heading(start ? level : 0);
        } else if (name == u"ul" || name == u"ol") {
            builder.list(start, name == u"ol");
        } else if (name == u"li") {
            builder.item(start);
        } else if (isInline(name)) {
            if (start && contains)
                builder.push(name, inlineTags(token, tags));
            else if (!start)
                builder.pop(name);
        } else {
            builder.boundary();
        }
    }
    builder.finish();
    result.blocks = std::move(builder.blocks);
    result.title = result.title.simplified();
    dropped.sort();
    dropped.removeDuplicates();
    result.dropped = dropped;
    return result;
}
