#include "OwnFragment.h"

#include "AppendReplacing.h"
#include "HtmlGenerators.h"

#include <QString>

namespace {

constexpr QStringView Br = u"<BR>";
constexpr QStringView BrBr = u"<BR><BR>";
constexpr QStringView ItemBreak = u"</li><li>";
constexpr QStringView ListOpen = u"<ul><li>";
constexpr QStringView ListClose = u"</li></ul>";

// A generator's piece back to the section text: each lineBreak again the CR LF it was.
QString unreplace(QStringView piece, QStringView lineBreak)
{
    QString text;
    AppendReplacing(text, piece, lineBreak, u"\r\n");
    return text;
}

// Whether a paragraph boundary stands at position: the start of the region or just after
// a "<BR><BR>".
bool paragraphStart(QStringView body, qsizetype from, qsizetype at)
{
    return at == from || body.first(at).endsWith(BrBr);
}

// "<tag>text</close>" at position; the text must be one line's worth, without "<BR>".
bool wrapped(QStringView body, qsizetype at, QStringView open, QStringView close, QString& text, qsizetype& end)
{
    if (!body.sliced(at).startsWith(open))
        return false;
    const qsizetype closing = body.indexOf(close, at + open.size());
    if (closing < 0)
        return false;
    const QStringView inside = body.sliced(at + open.size(), closing - at - open.size());
    if (inside.contains(Br))
        return false;
    text = inside.toString();
    end = closing + close.size();
    return true;
}

// The list "<ul><li>...</li></ul>" at position.
bool benefitList(QStringView body, qsizetype at, QString& text, qsizetype& end)
{
    if (!body.sliced(at).startsWith(ListOpen))
        return false;
    const qsizetype closing = body.indexOf(ListClose, at + ListOpen.size());
    if (closing < 0)
        return false;
    text = unreplace(body.sliced(at + ListOpen.size(), closing - at - ListOpen.size()), ItemBreak);
    end = closing + ListClose.size();
    return true;
}

// Where the call to action begins in the text after the benefits.
enum class ActionReading { LastParagraph, Whole, None };

// Splits the text after the benefits into closing remarks and the call to action, both as
// the fragment has them ("<BR><BR>" for each line break). Most likely the call to action is
// the last paragraph, unless the text ends with a paragraph break.
void closingAndAction(QStringView rest, ActionReading reading, QStringView& closing, QStringView& action)
{
    closing = {};
    action = {};
    if (reading == ActionReading::Whole) {
        action = rest;
        return;
    }
    if (reading == ActionReading::None || rest.endsWith(BrBr)) {
        closing = rest.endsWith(BrBr) ? rest.chopped(BrBr.size()) : rest;
        return;
    }
    const qsizetype last = rest.lastIndexOf(BrBr);
    if (last >= 0)
        closing = rest.first(last);
    action = rest.sliced(last < 0 ? 0 : last + BrBr.size());
}

// The first position from `from` where the benefits begin: a heading (Kindle) or bold line
// (print) or the list itself, at a paragraph boundary.
qsizetype benefitsStart(QStringView body, qsizetype from, bool kindle)
{
    // A few bold paragraphs may come first; past them, the reading gives up rather than
    // look for a closing tag again and again through a long text.
    int tries = 16;
    for (qsizetype at = from; at < body.size() && tries > 0; ++at) {
        if (body[at] != u'<' || !paragraphStart(body, from, at))
            continue;
        if (body.sliced(at).startsWith(kindle ? QStringView(u"<H2>") : QStringView(u"<B>")))
            --tries;
        QString text;
        qsizetype end = 0;
        const QStringView here = body.sliced(at);
        if (here.startsWith(ListOpen))
            return at;
        if (kindle && wrapped(body, at, u"<H2>", u"</H2>", text, end))
            return at;
        if (!kindle && wrapped(body, at, u"<B>", u"</B><BR>", text, end) && !body.sliced(end).startsWith(Br))
            return at;
    }
    return -1;
}

std::optional<Description> readKindle(QStringView fragment, ActionReading actionReading)
{
    if (!fragment.endsWith(KindleFragmentEnding))
        return std::nullopt;
    const QStringView body = fragment.chopped(KindleFragmentEnding.size());
    Description d;
    qsizetype p = 0;
    qsizetype end = 0;
    if (wrapped(body, p, u"<H2>", u"</H2><BR>", d[Headline], end))
        p = end;
    if (wrapped(body, p, u"<B>", u"</B><BR><BR>", d[Subheadline], end))
        p = end;
    QStringView rest = body.sliced(p);
    const qsizetype benefits = benefitsStart(body, p, true);
    if (benefits >= 0) {
        const QStringView opening = body.sliced(p, benefits - p);
        if (!opening.isEmpty() && !opening.endsWith(BrBr))
            return std::nullopt;
        if (!opening.isEmpty())
            d[OpeningRemarks] = unreplace(opening.chopped(BrBr.size()), Br);
        qsizetype q = benefits;
        if (wrapped(body, q, u"<H2>", u"</H2>", d[BenefitsHeadline], end))
            q = end;
        if (benefitList(body, q, d[MainBenefits], end))
            q = end;
        rest = body.sliced(q);
    }
    QStringView closing;
    QStringView action;
    closingAndAction(rest, actionReading, closing, action);
    d[KindleCallToAction] = unreplace(action, BrBr);
    // Without benefits, remarks are remarks: all of them open the description.
    if (benefits >= 0)
        d[ClosingRemarks] = unreplace(closing, BrBr);
    else if (!closing.isEmpty())
        d[OpeningRemarks] = unreplace(closing, Br);
    if (GenerateKindleHTML(d) != fragment)
        return std::nullopt;
    return d;
}

// Whether the first plain paragraph of a print fragment is read as the sub-headline.
enum class SubheadlineReading { Likely, Always, Never };

std::optional<Description> readPrint(QStringView fragment, SubheadlineReading reading, ActionReading actionReading)
{
    Description d;
    qsizetype p = 0;
    qsizetype end = 0;
    if (wrapped(fragment, p, u"<B>", u"</B><BR><BR>", d[Headline], end))
        p = end;
    const qsizetype benefits = benefitsStart(fragment, p, false);
    const QStringView before = fragment.sliced(p, (benefits < 0 ? fragment.size() : benefits) - p);
    QStringView closing;
    QStringView action;
    QString remarks;  // the sub-headline and opening remarks, as the fragment has them
    if (benefits >= 0) {
        if (!before.isEmpty() && !before.endsWith(BrBr))
            return std::nullopt;
        remarks = before.chopped(before.isEmpty() ? 0 : BrBr.size()).toString();
        qsizetype q = benefits;
        if (wrapped(fragment, q, u"<B>", u"</B><BR>", d[BenefitsHeadline], end))
            q = end;
        if (benefitList(fragment, q, d[MainBenefits], end))
            q = end;
        closingAndAction(fragment.sliced(q), actionReading, closing, action);
        d[ClosingRemarks] = unreplace(closing, BrBr);
    } else {
        closingAndAction(before, actionReading, closing, action);
        remarks = closing.toString();
    }
    d[CreateSpaceCallToAction] = unreplace(action, BrBr);
    // A first paragraph without a break, with more remarks after it, is the sub-headline.
    const qsizetype first = remarks.indexOf(BrBr);
    const bool likely = first > 0 && !QStringView(remarks).first(first).contains(Br) && first + BrBr.size() < remarks.size();
    if (reading == SubheadlineReading::Always && first < 0 && !remarks.isEmpty()) {
        d[Subheadline] = remarks;
        remarks.clear();
    } else if ((reading == SubheadlineReading::Likely && likely) || (reading == SubheadlineReading::Always && first > 0)) {
        d[Subheadline] = remarks.first(first);
        remarks.remove(0, first + BrBr.size());
    }
    d[OpeningRemarks] = unreplace(remarks, Br);
    if (GenerateCreatespaceHTML(d) != fragment)
        return std::nullopt;
    return d;
}

// Markup the generators never write: a fragment with it was written by hand or elsewhere.
// Without any "<BR>" or a list a fragment is one plain text, which any reading regenerates.
bool mayBeGenerated(QStringView fragment)
{
    if (!fragment.contains(Br) && !fragment.startsWith(ListOpen))
        return false;
    // An author may type the store's own tags ("<br>", "<i>") into a box, but not these.
    for (const char16_t* foreign : {u"<p>", u"<p ", u"<div", u"<span", u"<font"})
        if (fragment.contains(QStringView(foreign), Qt::CaseInsensitive))
            return false;
    return true;
}

// Whether a description file keeps the sections as they are: it stores a line break as
// "<BR>", and a lone CR ends its line.
bool fileKeeps(const Description& d)
{
    for (const QString& text : d.Sections) {
        if (text.contains(Br))
            return false;
        for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', cr + 1))
            if (cr + 1 == text.size() || text[cr + 1] != u'\n')
                return false;
    }
    return true;
}

std::optional<OwnFragment> firstReading(QStringView fragment, bool keptByFile)
{
    const auto fits = [keptByFile](const std::optional<Description>& d) { return d && (!keptByFile || fileKeeps(*d)); };
    constexpr ActionReading actions[] = {ActionReading::LastParagraph, ActionReading::Whole, ActionReading::None};
    for (const ActionReading action : actions)
        if (std::optional<Description> d = readKindle(fragment, action); fits(d))
            return OwnFragment{*d, true};
    for (const ActionReading action : actions)
        for (const SubheadlineReading reading :
             {SubheadlineReading::Likely, SubheadlineReading::Always, SubheadlineReading::Never})
            if (std::optional<Description> d = readPrint(fragment, reading, action); fits(d))
                return OwnFragment{*d, false};
    return std::nullopt;
}

} // namespace

std::optional<OwnFragment> ReadOwnFragment(QStringView fragment)
{
    if (!mayBeGenerated(fragment))
        return std::nullopt;
    // A reading that a saved file keeps as it is, if there is one.
    if (std::optional<OwnFragment> own = firstReading(fragment, true))
        return own;
    return firstReading(fragment, false);
}
