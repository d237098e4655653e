#include "HtmlTokenizer.h"

namespace {
bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isHtmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Where a tag or attribute name stops.
bool endsName(QChar c)
{
    return isHtmlSpace(c) || c == u'/' || c == u'>' || c == u'=';
}
} // namespace

QString HtmlTokenizer::Token::attribute(QStringView attributeName) const
{
    for (qsizetype i = 0; i < attributes.size(); ++i)
        if (attributes[i] == attributeName)
            return values[i];
    return {};
}

bool HtmlTokenizer::IsVoidElement(QStringView name)
{
    for (const char16_t* v : {u"br", u"hr", u"img", u"meta", u"link", u"input", u"wbr", u"col", u"area", u"base",
                              u"source", u"embed", u"param", u"track"})
        if (name == QStringView(v))
            return true;
    return false;
}

HtmlTokenizer::Token HtmlTokenizer::next()
{
    Token token;
    const qsizetype n = m_html.size();
    if (m_pos >= n)
        return token;
    const qsizetype at = m_pos;

    if (!m_rawTextEnd.isEmpty()) {
        // Everything up to the element's own end tag, in any letter case.
        const QString closer = QStringLiteral("</") + m_rawTextEnd;
        qsizetype end = at;
        while ((end = m_html.indexOf(closer, end, Qt::CaseInsensitive)) >= 0) {
            const qsizetype after = end + closer.size();
            if (after >= n || endsName(m_html[after]))
                break;
            end = after;
        }
        m_rawTextEnd.clear();
        m_pos = end < 0 ? n : end;
        if (m_pos > at) {
            token.kind = Kind::RawText;
            token.source = m_html.sliced(at, m_pos - at);
            return token;
        }
        return next();
    }

    if (m_html[at] == u'<' && at + 1 < n) {
        const QChar c = m_html[at + 1];
        if (isAsciiLetter(c))
            return startTag(at);
        if (c == u'/' && at + 2 < n && isAsciiLetter(m_html[at + 2]))
            return endTag(at);
        if (m_html.sliced(at).startsWith(u"<!--"))
            return until(at, Kind::Comment, u"-->", 4);
        if (c == u'!' || c == u'?' || c == u'/')
            return until(at, Kind::Declaration, u">", 2);
    }
    // Text runs to the next "<" that may begin markup.
    qsizetype end = at + 1;
    while (end < n && m_html[end] != u'<')
        ++end;
    m_pos = end;
    token.kind = Kind::Text;
    token.source = m_html.sliced(at, end - at);
    return token;
}

HtmlTokenizer::Token HtmlTokenizer::until(qsizetype at, Kind kind, QStringView closer, qsizetype skip)
{
    Token token;
    token.kind = kind;
    const qsizetype end = m_html.indexOf(closer, at + skip);
    m_pos = end < 0 ? m_html.size() : end + closer.size();
    token.source = m_html.sliced(at, m_pos - at);
    return token;
}

HtmlTokenizer::Token HtmlTokenizer::endTag(qsizetype at)
{
    Token token;
    token.kind = Kind::EndTag;
    qsizetype p = at + 2;
    const qsizetype n = m_html.size();
    while (p < n && !endsName(m_html[p]))
        ++p;
    token.name = m_html.sliced(at + 2, p - at - 2).toString().toLower();
    const qsizetype close = m_html.indexOf(u'>', p);
    m_pos = close < 0 ? n : close + 1;
    token.source = m_html.sliced(at, m_pos - at);
    return token;
}

HtmlTokenizer::Token HtmlTokenizer::startTag(qsizetype at)
{
    Token token;
    token.kind = Kind::StartTag;
    const qsizetype n = m_html.size();
    qsizetype p = at + 1;
    while (p < n && !endsName(m_html[p]))
        ++p;
    token.name = m_html.sliced(at + 1, p - at - 1).toString().toLower();

    while (p < n && m_html[p] != u'>') {
        if (isHtmlSpace(m_html[p])) {
            ++p;
            continue;
        }
        if (m_html[p] == u'/') {
            ++p;
            token.selfClosing = p < n && m_html[p] == u'>';
            continue;
        }
        qsizetype nameEnd = p + 1;  // a lone "=" is a name of its own, as browsers read it
        while (nameEnd < n && !endsName(m_html[nameEnd]))
            ++nameEnd;
        token.attributes << m_html.sliced(p, nameEnd - p).toString().toLower();
        p = nameEnd;
        while (p < n && isHtmlSpace(m_html[p]))
            ++p;
        QString value;
        if (p < n && m_html[p] == u'=') {
            ++p;
            while (p < n && isHtmlSpace(m_html[p]))
                ++p;
            if (p < n && (m_html[p] == u'"' || m_html[p] == u'\'')) {
                const qsizetype close = m_html.indexOf(m_html[p], p + 1);
                const qsizetype end = close < 0 ? n : close;
                value = m_html.sliced(p + 1, end - p - 1).toString();
                p = close < 0 ? n : close + 1;
            } else {
                const qsizetype start = p;
                while (p < n && !isHtmlSpace(m_html[p]) && m_html[p] != u'>')
                    ++p;
                value = m_html.sliced(start, p - start).toString();
            }
        }
        token.values << value;
    }
    m_pos = p < n ? p + 1 : n;
    token.source = m_html.sliced(at, m_pos - at);
    if (!token.selfClosing && (token.name == u"script" || token.name == u"style"))
        m_rawTextEnd = token.name;
    return token;
}
