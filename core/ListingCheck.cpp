#include "ListingCheck.h"

#include "HtmlGenerators.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

struct AcceptedTag {
    QStringView name;
    bool isVoid;  // never closed: <br>, <br/>
};

// The tags the store's description field keeps; everything else it strips or shows.
constexpr std::array<AcceptedTag, 13> AcceptedTags = {{
    {u"b", false}, {u"strong", false}, {u"i", false}, {u"em", false}, {u"u", false}, {u"br", true}, {u"p", false},
    {u"h4", false}, {u"h5", false}, {u"h6", false}, {u"ul", false}, {u"ol", false}, {u"li", false},
}};
constexpr int AcceptedCount = static_cast<int>(AcceptedTags.size());
constexpr int NotAccepted = -1;

constexpr char16_t lowerAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

constexpr bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The white space that ends a tag name in HTML.
constexpr bool isTagSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

int acceptedIndex(QStringView name)
{
    for (int i = 0; i < AcceptedCount; ++i) {
        const QStringView accepted = AcceptedTags[static_cast<size_t>(i)].name;
        if (accepted.size() != name.size())
            continue;
        qsizetype k = 0;
        while (k < name.size() && lowerAscii(name[k].unicode()) == accepted[k].unicode())
            ++k;
        if (k == name.size())
            return i;
    }
    return NotAccepted;
}

// Shared copies of the accepted names, so that findings about them allocate nothing.
const std::array<QString, AcceptedCount>& acceptedNames()
{
    static const std::array<QString, AcceptedCount> names = [] {
        std::array<QString, AcceptedCount> made;
        for (int i = 0; i < AcceptedCount; ++i)
            made[static_cast<size_t>(i)] = AcceptedTags[static_cast<size_t>(i)].name.toString();
        return made;
    }();
    return names;
}

// One tag as the HTML tokenizer would see it, from its "<" on.
struct Tag {
    bool closing = false;
    QStringView name;
    qsizetype end = 0;         // just past its ">"
    bool finished = false;     // a ">" ends it within the text
    bool hasLineBreak = false; // a CR LF lies inside it
};

// Reads the tag that starts at text[at] == '<'; nothing when that "<" starts no tag,
// as in "3 < 4" or "<3".
std::optional<Tag> readTag(QStringView text, qsizetype at)
{
    const qsizetype n = text.size();
    Tag tag;
    qsizetype i = at + 1;
    if (i < n && text[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    if (i >= n || !isAsciiLetter(text[i].unicode()))
        return std::nullopt;
    const qsizetype nameStart = i;
    while (i < n && !isTagSpace(text[i].unicode()) && text[i] != u'/' && text[i] != u'>')
        ++i;
    tag.name = text.sliced(nameStart, i - nameStart);

    // Attributes: a ">" inside a quoted value does not end the tag.
    bool afterEquals = false;
    while (i < n) {
        const char16_t c = text[i].unicode();
        if (c == u'>') {
            tag.finished = true;
            tag.end = i + 1;
            return tag;
        }
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            tag.hasLineBreak = true;
        if (afterEquals && (c == u'"' || c == u'\'')) {
            const qsizetype close = text.indexOf(QChar(c), i + 1);
            if (close < 0)
                break;
            if (text.sliced(i, close - i).contains(u"\r\n"))
                tag.hasLineBreak = true;
            i = close + 1;
            afterEquals = false;
            continue;
        }
        if (c == u'=')
            afterEquals = true;
        else if (!isTagSpace(c))
            afterEquals = false;
        ++i;
    }
    tag.end = n;
    return tag;
}

qsizetype countLineBreaks(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype at = ContentLineEnd(text, 0); at >= 0; at = ContentLineEnd(text, at + 2))
        ++count;
    return count;
}

class SectionTagChecker {
public:
    SectionTagChecker(SectionIndex section, bool breaksBecomeMarkup, bool linesBecomeElements)
        : m_section(section), m_breaksBecomeMarkup(breaksBecomeMarkup), m_linesBecomeElements(linesBecomeElements)
    {
    }

    QList<TagFinding> run(QStringView text)
    {
        for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at)) {
            const std::optional<Tag> tag = readTag(text, at);
            if (!tag) {
                ++at;
                continue;
            }
            passLines(text.sliced(m_passed, at - m_passed));
            m_tag = {at, tag->end - at};
            if (!tag->finished) {
                // Everything after it is inside the tag, as is whatever the generator appends;
                // the mark stays on its name.
                m_tag.length = tag->name.end() - text.sliced(at).begin();
                add(TagProblem::Unfinished, lowered(tag->name));
                m_passed = text.size();
                break;
            }
            take(*tag);
            // Breaks inside the tag were reported with it; they still count as lines.
            if (m_linesBecomeElements)
                m_line += static_cast<int>(countLineBreaks(text.sliced(at, tag->end - at)));
            m_passed = at = tag->end;
        }
        passLines(text.sliced(m_passed));
        for (size_t i = 0; i < m_stack.size(); ++i) {
            m_tag = m_opened[i];
            add(TagProblem::LeftOpen, acceptedNames()[static_cast<size_t>(m_stack[i])]);
        }
        return std::move(m_findings);
    }

private:
    static QString lowered(QStringView name) { return name.toString().toLower(); }

    // At the tag in m_tag.
    void add(TagProblem problem, const QString& name, const QString& inner = {}, int line = 0)
    {
        m_findings.append({m_section, problem, name, inner, line, m_tag.start, m_tag.length});
    }

    void push(int index)
    {
        m_stack.push_back(index);
        m_opened.push_back(m_tag);
    }
    void pop()
    {
        m_stack.pop_back();
        m_opened.pop_back();
    }

    // Text between tags. Where each line becomes an element, a line break ends the element,
    // and every tag still open in it would cross into the next one.
    void passLines(QStringView between)
    {
        if (!m_linesBecomeElements)
            return;
        const qsizetype breaks = countLineBreaks(between);
        if (breaks == 0)
            return;
        const Place here = m_tag;
        for (size_t k = 0; k < m_stack.size(); ++k) {
            const auto i = static_cast<size_t>(m_stack[k]);
            m_tag = m_opened[k];
            add(TagProblem::OpenAtLineEnd, acceptedNames()[i], {}, m_line);
            // Its closing tag on a later line is part of the same mistake.
            --m_open[i];
            ++m_forgiven[i];
        }
        m_tag = here;
        m_stack.clear();
        m_opened.clear();
        m_line += static_cast<int>(breaks);
    }

    void take(const Tag& tag)
    {
        const int index = acceptedIndex(tag.name);
        if (index == NotAccepted) {
            // One finding per unknown name and section: <span>..</span> is one mistake.
            QString name = lowered(tag.name);
            if (!m_reportedUnknown.contains(name)) {
                m_reportedUnknown.insert(name);
                add(TagProblem::NotAccepted, name);
            }
            return;
        }
        const QString& name = acceptedNames()[static_cast<size_t>(index)];
        if (tag.hasLineBreak && m_breaksBecomeMarkup)
            add(TagProblem::BrokenByLineBreak, name);
        if (AcceptedTags[static_cast<size_t>(index)].isVoid)
            return;  // "</br>" included: browsers take it as one more break
        if (tag.closing)
            close(index);
        else
            open(index);
    }

    void open(int index)
    {
        push(index);
        ++m_open[static_cast<size_t>(index)];
    }

    void close(int index)
    {
        const auto i = static_cast<size_t>(index);
        if (!m_stack.empty() && m_stack.back() == index) {
            pop();
            --m_open[i];
        } else if (m_open[i] > 0) {
            add(TagProblem::MisNested, acceptedNames()[i], acceptedNames()[static_cast<size_t>(m_stack.back())]);
            // Everything opened inside it ends here; its own closing tag, when it comes,
            // is part of the same mistake and is not reported again. Each entry leaves the
            // stack once, which keeps the check linear.
            while (m_stack.back() != index) {
                const auto inner = static_cast<size_t>(m_stack.back());
                pop();
                --m_open[inner];
                ++m_forgiven[inner];
            }
            pop();
            --m_open[i];
        } else if (m_forgiven[i] > 0) {
            --m_forgiven[i];
        } else {
            add(TagProblem::NotOpened, acceptedNames()[i]);
        }
    }

    SectionIndex m_section;
    bool m_breaksBecomeMarkup;
    bool m_linesBecomeElements;
    qsizetype m_passed = 0;  // the text up to here is checked for line ends
    int m_line = 1;
    struct Place { qsizetype start = 0, length = 0; };
    Place m_tag;  // the tag being read
    std::vector<int> m_stack;
    std::vector<Place> m_opened;  // where each tag of m_stack was opened
    std::array<int, AcceptedCount> m_open{};
    std::array<int, AcceptedCount> m_forgiven{};
    QSet<QString> m_reportedUnknown;
    QList<TagFinding> m_findings;
};

// Lines that show nothing, each an empty element: a pasted list's last line break makes one.
QList<TagFinding> emptyLines(SectionIndex section, QStringView text)
{
    QList<TagFinding> findings;
    int number = 1;
    for (qsizetype start = 0;; ++number) {
        const qsizetype end = ContentLineEnd(text, start);
        const QStringView line = text.sliced(start, (end < 0 ? text.size() : end) - start);
        if (std::all_of(line.begin(), line.end(), [](QChar c) { return c.isSpace(); }))
            findings.append({section, TagProblem::EmptyLine, {}, {}, number, start, line.size()});
        if (end < 0)
            return findings;
        start = end + 2;
    }
}

bool goesInto(const SectionInfo& section, ListingTarget target)
{
    return target == ListingTarget::Kindle ? section.inKindle : section.inCreateSpace;
}

qsizetype fragmentLength(const Description& description, ListingTarget target)
{
    return (target == ListingTarget::Kindle ? GenerateKindleHTML(description) : GenerateCreatespaceHTML(description))
        .size();
}

struct SectionFindings {
    std::array<QList<TagFinding>, SectionCount> tags;
    std::array<QList<ControlCharacterFinding>, SectionCount> controlCharacters;
    SectionContentFindings content;
};

SectionFindings checkSections(const Description& description, const SectionContentFindings& content)
{
    SectionFindings findings;
    findings.content = content;
    for (const SectionInfo& section : SectionTable) {
        findings.tags[section.index] = CheckSectionTags(section.index, description[section.index]);
        findings.controlCharacters[section.index] = FindControlCharacters(section.index, description[section.index]);
    }
    return findings;
}

FragmentCheck fragmentCheck(const Description& description, ListingTarget target,
                            const SectionFindings& sectionFindings)
{
    FragmentCheck check;
    check.target = target;
    check.length = fragmentLength(description, target);
    for (const SectionInfo& section : SectionTable) {
        if (goesInto(section, target)) {
            check.findings += sectionFindings.tags[section.index];
            check.controlCharacters += sectionFindings.controlCharacters[section.index];
            check.contentFindings += sectionFindings.content[section.index];
            check.contentFindingCount += sectionFindings.content.count(section.index);
        }
    }
    return check;
}

} // namespace

bool SectionGoesInto(SectionIndex section, ListingTarget target)
{
    return goesInto(SectionTable[static_cast<size_t>(section)], target);
}

QList<TagFinding> CheckSectionTags(SectionIndex section, QStringView text)
{
    // Both generators turn the line breaks of the multi-line sections into markup and
    // pass those of the single-line ones through, where HTML takes them as white space.
    const bool breaksBecomeMarkup = SectionTable[static_cast<size_t>(section)].multiLine;
    const bool linesBecomeElements = LinesBecomeElements(section);
    QList<TagFinding> findings = SectionTagChecker(section, breaksBecomeMarkup, linesBecomeElements).run(text);
    if (linesBecomeElements && !IsBlankSection(text))
        findings += emptyLines(section, text);
    return findings;
}

FragmentCheck CheckFragment(const Description& description, ListingTarget target, ContentRuleSet rules)
{
    return fragmentCheck(description, target, checkSections(description, CheckDescriptionContent(description, rules)));
}

ListingCheck CheckListing(const Description& description, ContentRuleSet rules)
{
    return CheckListing(description, CheckDescriptionContent(description, rules));
}

ListingCheck CheckListing(const Description& description, const SectionContentFindings& content)
{
    const auto sectionFindings = checkSections(description, content);
    ListingCheck check;
    check.kindle = fragmentCheck(description, ListingTarget::Kindle, sectionFindings);
    check.createSpace = fragmentCheck(description, ListingTarget::CreateSpace, sectionFindings);
    for (const QList<TagFinding>& findings : sectionFindings.tags)
        check.tagFindings += findings;
    for (const QList<ControlCharacterFinding>& findings : sectionFindings.controlCharacters)
        check.controlCharacterFindings += findings;
    for (const SectionInfo& section : SectionTable) {
        check.contentFindings += sectionFindings.content[section.index];
        check.sectionContentCounts[section.index] = sectionFindings.content.count(section.index);
        check.contentFindingCount += check.sectionContentCounts[section.index];
    }
    return check;
}
