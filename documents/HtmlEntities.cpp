#include "HtmlEntities.h"

#include "TextEncoding.h"

#include <QByteArray>

namespace {
struct NamedReference {
    const char16_t* name;
    char16_t character;
};

// The references word processors and store pages write; the rest of the long list is rare.
constexpr NamedReference Named[] = {
    {u"nbsp", 0x00A0},   {u"quot", u'"'},     {u"apos", u'\''},    {u"copy", 0x00A9},   {u"reg", 0x00AE},
    {u"trade", 0x2122},  {u"hellip", 0x2026}, {u"mdash", 0x2014},  {u"ndash", 0x2013},  {u"lsquo", 0x2018},
    {u"rsquo", 0x2019},  {u"sbquo", 0x201A},  {u"ldquo", 0x201C},  {u"rdquo", 0x201D},  {u"bdquo", 0x201E},
    {u"bull", 0x2022},   {u"middot", 0x00B7}, {u"laquo", 0x00AB},  {u"raquo", 0x00BB},  {u"lsaquo", 0x2039},
    {u"rsaquo", 0x203A}, {u"deg", 0x00B0},    {u"euro", 0x20AC},   {u"pound", 0x00A3},  {u"cent", 0x00A2},
    {u"yen", 0x00A5},    {u"sect", 0x00A7},   {u"para", 0x00B6},   {u"times", 0x00D7},  {u"divide", 0x00F7},
    {u"frac12", 0x00BD}, {u"frac14", 0x00BC}, {u"frac34", 0x00BE}, {u"iexcl", 0x00A1},  {u"iquest", 0x00BF},
    {u"dagger", 0x2020}, {u"shy", 0x00AD},    {u"thinsp", 0x2009}, {u"ensp", 0x2002},   {u"emsp", 0x2003},
    {u"agrave", 0x00E0}, {u"aacute", 0x00E1}, {u"acirc", 0x00E2},  {u"auml", 0x00E4},   {u"aring", 0x00E5},
    {u"ccedil", 0x00E7}, {u"egrave", 0x00E8}, {u"eacute", 0x00E9}, {u"ecirc", 0x00EA},  {u"euml", 0x00EB},
    {u"igrave", 0x00EC}, {u"iacute", 0x00ED}, {u"icirc", 0x00EE},  {u"iuml", 0x00EF},   {u"ntilde", 0x00F1},
    {u"ograve", 0x00F2}, {u"oacute", 0x00F3}, {u"ocirc", 0x00F4},  {u"ouml", 0x00F6},   {u"oslash", 0x00F8},
    {u"ugrave", 0x00F9}, {u"uacute", 0x00FA}, {u"ucirc", 0x00FB},  {u"uuml", 0x00FC},   {u"szlig", 0x00DF},
    {u"Agrave", 0x00C0}, {u"Aacute", 0x00C1}, {u"Auml", 0x00C4},   {u"Ccedil", 0x00C7}, {u"Eacute", 0x00C9},
    {u"Ntilde", 0x00D1}, {u"Ouml", 0x00D6},   {u"Uuml", 0x00DC},   {u"aelig", 0x00E6},  {u"oelig", 0x0153},
};

// Whether text, as it stands, begins what a browser would read as a reference ("amp;",
// "#38;") or a tag ("b>", "/i", "!--").
bool beginsReference(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && n < 32 && (text[n].isLetterOrNumber() || text[n] == u'#'))
        ++n;
    return n > 0 && n < text.size() && text[n] == u';';
}

bool beginsTag(QStringView text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'/' || c == u'!' || c == u'?';
}

// A box's text goes into the store's HTML as it stands: "&" and "<" become characters only
// where the store would still read them as such, and otherwise stay references.
const char16_t* keptReference(char32_t c, QStringView after)
{
    if (c == u'&' && beginsReference(after))
        return u"&amp;";
    if (c == u'<' && beginsTag(after))
        return u"&lt;";
    return nullptr;
}

bool boxHolds(char32_t c)
{
    if (c == u'\t')
        return true;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029)
        return false;
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

// The character a numeric reference names; the C1 range means Windows-1252, as browsers read it.
char32_t numericCharacter(QStringView digits, int base, bool& ok)
{
    ok = !digits.isEmpty() && digits.size() <= 8;
    if (!ok)
        return 0;
    const uint value = digits.toUInt(&ok, base);
    if (!ok)
        return 0;
    if (value >= 0x80 && value <= 0x9F)
        return DecodeWindows1252(QByteArray(1, static_cast<char>(value))).front().unicode();
    return value;
}
} // namespace

QString DecodeHtmlText(QStringView text)
{
    if (!text.contains(u'&'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        const qsizetype semicolon = c == u'&' ? text.indexOf(u';', i + 1) : -1;
        if (semicolon < 0 || semicolon - i > 12) {
            out += c;
            continue;
        }
        const QStringView body = text.sliced(i + 1, semicolon - i - 1);
        bool known = false;
        char32_t decoded = 0;
        if (body.startsWith(u'#')) {
            const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
            decoded = numericCharacter(body.sliced(hex ? 2 : 1), hex ? 16 : 10, known);
        } else if (body == u"lt" || body == u"gt" || body == u"amp") {
            known = true;
            decoded = body == u"lt" ? u'<' : body == u"gt" ? u'>' : u'&';
        } else {
            for (const NamedReference& r : Named)
                if (body == QStringView(r.name)) {
                    known = true;
                    decoded = r.character;
                    break;
                }
        }
        if (!known || !boxHolds(decoded)) {
            out += c;
            continue;
        }
        if (const char16_t* reference = keptReference(decoded, text.sliced(semicolon + 1)))
            out += QStringView(reference);
        else
            out += QString::fromUcs4(&decoded, 1);
        i = semicolon;
    }
    return out;
}
