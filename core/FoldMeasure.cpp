#include "FoldMeasure.h"

#include "HtmlGenerators.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The preview's style sheet (PreviewPage.cpp) in numbers: the Kindle page's body line height
// and its headings (12 pt bold, their own line height and margins); lists as the engine
// indents them.
constexpr double KindleLineHeight = 1.416;
constexpr double HeadingPx = 16;
constexpr double HeadingLineHeight = 1.167;
constexpr double HeadingMarginEm = 0.476;
constexpr int ListIndentPx = 40;
constexpr double NarrowerBy = 0.995;
constexpr qsizetype MaxSegment = 16384;

// The engine takes a family of the style sheet's list only when that font is installed or
// stands in for it metric for metric; a look-alike it skips for the next name. Qt would take
// the look-alike, so the list is walked here the engine's way.
QString engineFamily(const QStringList& families)
{
    static const std::pair<const char*, const char*> MetricTwins[] = {
        {"Arial", "Liberation Sans"}, {"Arial", "Arimo"}, {"Helvetica", "Nimbus Sans"},
        {"Helvetica", "Nimbus Sans L"}, {"Helvetica", "Liberation Sans"}, {"Helvetica", "Arimo"},
        {"Helvetica", "TeX Gyre Heros"}};
    for (const QString& wanted : families) {
        QString found = QFontInfo(QFont(wanted)).family();
        found = found.left(found.indexOf(QLatin1String(" ["))).trimmed();  // "Nimbus Sans [urw]"
        if (wanted == QLatin1String("sans-serif") || found.compare(wanted, Qt::CaseInsensitive) == 0)
            return found;
        for (const auto& [name, twin] : MetricTwins)
            if (wanted.compare(QLatin1String(name), Qt::CaseInsensitive) == 0 && found == QLatin1String(twin))
                return found;
    }
    return families.isEmpty() ? QString() : families.back();
}

QFont pageFont(const QStringList& families, double px, bool bold)
{
    QFont font;
    font.setFamily(engineFamily(families));
    font.setPixelSize(static_cast<int>(std::lround(px)));
    font.setBold(bold);
    // Laid out at the page's own size in pixels, not snapped to a screen's grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// "normal" line height as the engine computes it: each metric rounded on its own.
double normalLineHeight(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return std::round(metrics.ascent()) + std::round(metrics.descent()) + std::round(metrics.leading());
}

// A line shows above the fold only whole.
bool BelowFold(const FoldProfile& profile, const ColumnLine& line, size_t index)
{
    return profile.collapsedPx > 0 ? line.bottom > profile.collapsedPx + 0.01
                                   : index >= static_cast<size_t>(profile.collapsedLines);
}

class ColumnFlow {
public:
    ColumnFlow(PreviewTarget target, const FoldProfile& profile, bool untilFold)
        : m_width(profile.columnPx), m_profile(profile), m_untilFold(untilFold)
    {
        const bool kindle = target == PreviewTarget::Kindle;
        const QStringList body = kindle ? QStringList{QStringLiteral("Verdana"), QStringLiteral("Helvetica Neue"),
                                                      QStringLiteral("Helvetica"), QStringLiteral("sans-serif")}
                                        : QStringList{QStringLiteral("Arial")};
        m_body = pageFont(body, profile.typePx, false);
        m_bodyBold = pageFont(body, profile.typePx, true);
        m_bodyLine = kindle ? KindleLineHeight * profile.typePx : normalLineHeight(m_body);
        const QStringList heading{QStringLiteral("Verdana"), QStringLiteral("Helvetica"), QStringLiteral("sans-serif")};
        m_heading = pageFont(heading, HeadingPx, true);
        m_headingLine = HeadingLineHeight * HeadingPx;
        m_listMargin = profile.typePx;
    }

    void text(QChar c, qsizetype at)
    {
        // The fold comes within a few dozen lines: a paragraph of megabytes need not be held
        // and laid out whole to find it.
        if (m_untilFold && m_text.size() >= MaxSegment)
            return;
        if (c.isSpace()) {
            if (m_text.isEmpty() || m_text.back() == u' ')
                return;
            c = u' ';
        }
        m_text += c;
        m_offsets << at;
        m_bold << (m_boldDepth > 0 || m_inHeading);
    }
    void lineBreak(qsizetype after)
    {
        placeSegment(true);
        m_segmentStart = after;
    }
    void bold(bool open) { m_boldDepth = std::max(0, m_boldDepth + (open ? 1 : -1)); }
    void heading(bool open, qsizetype at, qsizetype after)
    {
        placeSegment(false);
        margin(HeadingMarginEm * HeadingPx);
        m_inHeading = open;
        if (open)
            opensBlock(at);
        m_segmentStart = after;
    }
    void list(bool open, qsizetype at, qsizetype after)
    {
        placeSegment(false);
        if (open)
            opensBlock(at);
        m_indent += open ? ListIndentPx : -ListIndentPx;
        margin(m_listMargin);
        m_segmentStart = after;
    }
    void item(bool open, qsizetype at, qsizetype after)
    {
        placeSegment(false);
        if (open) {
            m_itemLines = 0;
            opensBlock(at);
        } else if (m_itemLines == 0) {
            placeLine(m_bodyLine, at, false);  // an empty item keeps its bullet's line
        }
        m_segmentStart = after;
    }
    void block(qsizetype after)
    {
        placeSegment(false);
        m_segmentStart = after;
    }
    // Past the fold, with words below it: nothing further can change where the fold falls.
    bool done() const { return m_done; }
    std::vector<ColumnLine> finish()
    {
        placeSegment(false);
        return std::move(m_lines);
    }

private:
    void opensBlock(qsizetype at)
    {
        if (m_blockStart < 0)
            m_blockStart = at;
    }
    void margin(double px) { m_pendingMargin = std::max(m_pendingMargin, px); }

    void placeLine(double height, qsizetype anchor, bool hasText)
    {
        m_y += m_pendingMargin;
        m_pendingMargin = 0;
        const qsizetype markAt = m_blockStart >= 0 ? m_blockStart : anchor;
        m_lines.push_back({m_y, m_y + height, anchor, markAt, hasText});
        m_y += height;
        m_done = m_done || (m_untilFold && hasText && BelowFold(m_profile, m_lines.back(), m_lines.size() - 1));
        m_blockStart = -1;
        ++m_itemLines;
    }

    // The words since the last break or block: a forced segment (ended by a break) takes a
    // line even when empty; one ended by a block takes none unless it holds words.
    void placeSegment(bool forced)
    {
        while (!m_text.isEmpty() && m_text.back() == u' ') {
            m_text.chop(1);
            m_offsets.removeLast();
            m_bold.removeLast();
        }
        const double height = m_inHeading ? m_headingLine : m_bodyLine;
        if (m_text.isEmpty()) {
            if (forced)
                placeLine(height, m_segmentStart, false);
        } else {
            layOut(height);
        }
        m_text.clear();
        m_offsets.clear();
        m_bold.clear();
    }

    void layOut(double height)
    {
        QTextLayout layout(m_text, m_inHeading ? m_heading : m_body);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        QList<QTextLayout::FormatRange> formats;
        for (qsizetype i = 0; i < m_bold.size(); ++i) {
            if (!m_bold[i] || m_inHeading)
                continue;
            if (!formats.isEmpty() && formats.back().start + formats.back().length == i) {
                ++formats.back().length;
                continue;
            }
            QTextLayout::FormatRange range;
            range.start = static_cast<int>(i);
            range.length = 1;
            range.format.setFont(m_bodyBold);
            formats << range;
        }
        layout.setFormats(formats);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid() && !m_done; line = layout.createLine()) {
            // A hair narrower than the column: where the engine's break and ours differ by a
            // word, ours comes first, so "Read more" never leaves a word on a line of its own.
            line.setLineWidth((m_width - m_indent) * NarrowerBy);
            placeLine(height, m_offsets[std::min<qsizetype>(line.textStart(), m_offsets.size() - 1)], true);
        }
        layout.endLayout();
    }

    double m_width;
    const FoldProfile& m_profile;
    bool m_untilFold;
    bool m_done = false;
    QFont m_body, m_bodyBold, m_heading;
    double m_bodyLine = 0, m_headingLine = 0, m_listMargin = 0;

    QString m_text;
    QList<qsizetype> m_offsets;
    QList<bool> m_bold;
    qsizetype m_segmentStart = 0;
    qsizetype m_blockStart = -1;
    int m_boldDepth = 0;
    bool m_inHeading = false;
    int m_indent = 0;
    int m_itemLines = 0;
    double m_y = 0;
    double m_pendingMargin = 0;
    std::vector<ColumnLine> m_lines;
};

bool isTagStart(QChar c)
{
    return c.isLetter() || c == u'/' || c == u'!';
}

// The few entities an author types; anything else stays as typed.
std::optional<QChar> entity(QStringView name)
{
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.startsWith(u"#x", Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
        return ok && code > 0 && code < 0x10000 ? std::optional<QChar>(QChar(static_cast<char16_t>(code))) : std::nullopt;
    }
    static const std::pair<const char16_t*, char16_t> Named[] = {
        {u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u'\u00a0'}};
    for (const auto& [text, value] : Named)
        if (name == QStringView(text))
            return QChar(value);
    return std::nullopt;
}

void handleTag(ColumnFlow& flow, QStringView inner, qsizetype at, qsizetype after)
{
    const bool closing = inner.startsWith(u'/');
    QStringView name = inner.mid(closing ? 1 : 0);
    qsizetype end = 0;
    while (end < name.size() && name[end].isLetterOrNumber())
        ++end;
    const QString tag = name.left(end).toString().toLower();
    if (tag == u"br")
        flow.lineBreak(after);
    else if (tag == u"b" || tag == u"strong")
        flow.bold(!closing);
    else if (tag.size() == 2 && tag[0] == u'h' && tag[1] >= u'1' && tag[1] <= u'6')
        flow.heading(!closing, at, after);
    else if (tag == u"ul" || tag == u"ol")
        flow.list(!closing, at, after);
    else if (tag == u"li")
        flow.item(!closing, at, after);
    else if (tag == u"p" || tag == u"div")
        flow.block(after);
}

} // namespace

std::vector<ColumnLine> LayOutColumn(const QString& fragment, PreviewTarget target, const FoldProfile& profile,
                                     bool untilFold)
{
    ColumnFlow flow(target, profile, untilFold);
    const qsizetype n = fragment.size();
    for (qsizetype i = 0; i < n && !flow.done();) {
        const QChar c = fragment[i];
        if (c == u'<' && i + 1 < n && isTagStart(fragment[i + 1])) {
            if (fragment.mid(i, 4) == u"<!--") {
                const qsizetype close = fragment.indexOf(u"-->", i + 4);
                i = close < 0 ? n : close + 3;
                continue;
            }
            const qsizetype close = fragment.indexOf(u'>', i + 1);
            if (close > 0) {
                handleTag(flow, QStringView(fragment).mid(i + 1, close - i - 1), i, close + 1);
                i = close + 1;
                continue;
            }
        }
        if (c == u'&') {
            const qsizetype semi = fragment.indexOf(u';', i + 1);
            if (semi > i + 1 && semi - i <= 10) {
                if (const std::optional<QChar> value = entity(QStringView(fragment).mid(i + 1, semi - i - 1))) {
                    flow.text(*value, i);
                    i = semi + 1;
                    continue;
                }
            }
        }
        flow.text(c, i);
        ++i;
    }
    return flow.finish();
}

namespace {
QString fragmentOf(const Description& description, PreviewTarget target)
{
    return target == PreviewTarget::Kindle ? GenerateKindleHTML(description) : GenerateCreatespaceHTML(description);
}

FoldPlace measureFragment(const Description& description, const QString& fragment, PreviewTarget target,
                          const FoldProfile& profile)
{
    FoldPlace place;
    if (!profile.folds())
        return place;
    const bool kindle = target == PreviewTarget::Kindle;
    const std::vector<ColumnLine> lines = LayOutColumn(fragment, target, profile, true);
    size_t fold = 0;
    while (fold < lines.size() && !BelowFold(profile, lines[fold], fold))
        ++fold;
    const bool wordsBelow = std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(fold), lines.end(),
                                        [](const ColumnLine& line) { return line.hasText; });
    if (!wordsBelow)
        return place;

    const ColumnLine& first = lines[fold];
    const QList<FragmentSection> pieces = FragmentSections(description, kindle);
    const auto piece = std::find_if(pieces.begin(), pieces.end(), [&](const FragmentSection& p) {
        return p.end > first.anchor;
    });
    if (piece == pieces.end())
        return place;
    place.folds = true;
    place.section = piece->section;
    place.offset = SectionTextOffset(description[piece->section], *piece, first.anchor);
    place.fragmentOffset = first.markAt;
    place.foldTop = first.top;
    for (auto p = pieces.begin(); p != piece; ++p)
        place.wholeAbove << p->section;
    for (size_t i = 0; i < fold; ++i)
        if (lines[i].anchor >= piece->start && lines[i].anchor < piece->end)
            ++place.linesAbove;
    return place;
}
} // namespace

FoldPlace MeasureFold(const Description& description, PreviewTarget target, const FoldProfile& profile)
{
    return profile.folds() ? measureFragment(description, fragmentOf(description, target), target, profile) : FoldPlace{};
}

FoldMarks MeasureFoldMarks(const Description& description, PreviewTarget target, int chosen)
{
    FoldMarks marks;
    const QString fragment = fragmentOf(description, target);
    marks.fragmentStart = PreviewPageHead(target).size();
    marks.fragmentEnd = marks.fragmentStart + fragment.size();
    marks.chosen = chosen;
    for (int i = 0; i < FoldProfileCount; ++i) {
        const FoldPlace place = measureFragment(description, fragment, target, FoldProfileAt(i));
        marks.at[static_cast<size_t>(i)] = place.folds ? place.fragmentOffset : -1;
        marks.above[static_cast<size_t>(i)] = FoldAboveText(place, description);
    }
    return marks;
}
