#include "HtmlGenerators.h"

#include "AppendReplacing.h"

#include <QStringView>

#include <algorithm>

namespace {

// How one section becomes a piece of a fragment. A section without markup is not part of it.
struct SectionMarkup {
    bool used;
    QStringView before;
    QStringView lineBreak;  // what each CR LF becomes; empty: CR LF passes through
    QStringView after;
};

using FragmentMarkup = std::array<SectionMarkup, SectionCount>;

constexpr SectionMarkup Unused{false, {}, {}, {}};

constexpr FragmentMarkup KindleMarkup = {{
    {true, u"<H2>", {}, u"</H2><BR>"},
    {true, u"<B>", {}, u"</B><BR><BR>"},
    {true, {}, u"<BR>", u"<BR><BR>"},
    {true, u"<H2>", {}, u"</H2>"},
    {true, u"<ul><li>", u"</li><li>", u"</li></ul>"},
    {true, {}, u"<BR><BR>", u"<BR><BR>"},
    {true, {}, u"<BR><BR>", {}},
    Unused,
}};

constexpr FragmentMarkup CreateSpaceMarkup = {{
    {true, u"<B>", {}, u"</B><BR><BR>"},
    {true, {}, {}, u"<BR><BR>"},
    {true, {}, u"<BR>", u"<BR><BR>"},
    {true, u"<B>", {}, u"</B><BR>"},
    {true, u"<ul><li>", u"</li><li>", u"</li></ul>"},
    {true, {}, u"<BR><BR>", u"<BR><BR>"},
    Unused,
    {true, {}, u"<BR><BR>", {}},
}};

QString generate(const Description& description, const FragmentMarkup& markup, QStringView ending)
{
    // Room for every text plus its markup; a break-heavy list may still grow once or twice.
    qsizetype room = ending.size();
    for (size_t i = 0; i < markup.size(); ++i)
        room += description.Sections[i].size() + markup[i].before.size() + markup[i].after.size();
    QString out;
    out.reserve(room + room / 8);

    for (size_t i = 0; i < markup.size(); ++i) {
        const SectionMarkup& m = markup[i];
        const QString& text = description.Sections[i];
        if (!m.used || IsBlankSection(text))
            continue;
        out.append(m.before);
        if (m.lineBreak.isEmpty())
            out.append(text);
        else
            AppendReplacing(out, text, u"\r\n", m.lineBreak);
        out.append(m.after);
    }
    out.append(ending);
    return out;
}

} // namespace

// Blank means nothing but U+0020; tabs and line breaks count as content.
bool IsBlankSection(QStringView text)
{
    for (const QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

bool LinesBecomeElements(SectionIndex section)
{
    // A break that closes one element and opens the next, as "</li><li>" does.
    const auto i = static_cast<size_t>(section);
    return KindleMarkup[i].lineBreak.startsWith(u"</") || CreateSpaceMarkup[i].lineBreak.startsWith(u"</");
}

QString GenerateKindleHTML(const Description& description)
{
    return generate(description, KindleMarkup, KindleFragmentEnding);
}

QString GenerateCreatespaceHTML(const Description& description)
{
    return generate(description, CreateSpaceMarkup, {});
}

QList<FragmentSection> FragmentSections(const Description& description, bool kindle)
{
    const FragmentMarkup& markup = kindle ? KindleMarkup : CreateSpaceMarkup;
    QList<FragmentSection> pieces;
    qsizetype at = 0;
    for (size_t i = 0; i < markup.size(); ++i) {
        const SectionMarkup& m = markup[i];
        const QString& text = description.Sections[i];
        if (!m.used || IsBlankSection(text))
            continue;
        at += m.before.size();
        qsizetype length = text.size();
        if (!m.lineBreak.isEmpty())
            length += text.count(u"\r\n") * (m.lineBreak.size() - 2);
        pieces.append({static_cast<SectionIndex>(i), at, at + length, m.lineBreak});
        at += length + m.after.size();
    }
    return pieces;
}

qsizetype SectionTextOffset(const QString& text, const FragmentSection& piece, qsizetype fragmentOffset)
{
    const qsizetype wanted = fragmentOffset - piece.start;
    if (piece.lineBreak.isEmpty() || wanted <= 0)
        return std::clamp<qsizetype>(wanted, 0, text.size());
    qsizetype out = 0; // in the fragment, from the piece's start
    qsizetype i = 0;
    while (i < text.size() && out < wanted) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            out += piece.lineBreak.size();
            i += 2;
        } else {
            ++out;
            ++i;
        }
    }
    return i;
}
