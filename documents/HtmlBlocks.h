#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// HTML read as what a description is made of: paragraphs, headings and list items, each a
// few lines of text. Markup that the store does not take is dropped and its text kept;
// inline formatting that it does take stays as lower-case tags inside the lines.
struct HtmlBlock {
    enum class Kind { Paragraph, Heading, ListItem };
    Kind kind = Kind::Paragraph;
    int level = 0;         // 1 to 6 for a heading
    int list = -1;         // for an item: which list it belongs to, 0 for the first
    bool ordered = false;  // for an item: its list is numbered
    QStringList lines;     // never empty, and no line is empty

    bool operator==(const HtmlBlock&) const = default;
};

// Which inline tags a line keeps.
enum class InlineTags {
    Store,          // b (strong too), i, u, em, as the author wrote them
    BoldAndItalic,  // b and i, also where a style makes text bold or italic
    None,           // plain text
};

struct HtmlBlocks {
    std::vector<HtmlBlock> blocks;
    QString title;           // the page's title element, spaces collapsed
    QStringList dropped;     // what was dropped, sorted: "<span>", "class", "comments"
    bool tooDeep = false;    // elements nested deeper than MaxNesting: nothing was read
};

inline constexpr int MaxHtmlNesting = 256;

HtmlBlocks ReadHtmlBlocks(QStringView html, InlineTags tags);
