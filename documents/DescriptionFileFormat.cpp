#include "DescriptionFileFormat.h"

#include "AppendReplacing.h"

#include "TextEncoding.h"

#include <QLocale>
#include <QStringView>

namespace DescriptionFileFormat {

namespace {

constexpr QStringView LineEnd = u"\r\n";
constexpr QStringView LineBreakEscape = u"<BR>";

// Splits off lines the way the file was always read: CR LF or a lone CR ends a line, a
// lone LF belongs to the line, and text after the last line end is a line of its own.
class LineReader {
public:
    explicit LineReader(QStringView text) : m_text(text) {}

    bool next(QStringView& line)
    {
        if (m_pos >= m_text.size())
            return false;
        qsizetype end = m_text.indexOf(u'\r', m_pos);
        if (end < 0)
            end = m_text.size();
        line = m_text.mid(m_pos, end - m_pos);
        m_pos = end + 1;
        if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

QStringView trimmedSpaces(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin] == u' ')
        ++begin;
    while (end > begin && s[end - 1] == u' ')
        --end;
    return s.mid(begin, end - begin);
}

} // namespace

Content parse(QByteArrayView bytes)
{
    const QString text = DecodeFileText(bytes);
    LineReader lines(text);
    Content content;
    QStringView line;
    if (!lines.next(line))
        return content;
    content.linesRead = 1;

    const QStringView first = trimmedSpaces(line);
    if (!first.startsWith(Marker))
        return content;
    content.recognised = true;
    content.description.BookTitle = first.mid(Marker.size()).toString();

    for (auto& section : content.description.Sections) {
        if (!lines.next(line))
            break;
        ++content.linesRead;
        section.clear();
        section.reserve(line.size());
        AppendReplacing(section, line, LineBreakEscape, LineEnd);
    }
    return content;
}

QByteArray format(const Description& description)
{
    qsizetype room = Marker.size() + description.BookTitle.size() + LineCount * LineEnd.size();
    for (const QString& section : description.Sections)
        room += section.size() + section.size() / 4;
    QString text;
    text.reserve(room);

    text.append(Marker);
    text.append(description.BookTitle);
    text.append(LineEnd);
    for (const QString& section : description.Sections) {
        AppendReplacing(text, section, LineEnd, LineBreakEscape);
        text.append(LineEnd);
    }
    return EncodeFileText(text);
}

QString withExtension(const QString& path)
{
    if (path.endsWith(Extension, Qt::CaseInsensitive))
        return path;
    return path + Extension;
}

QString MaxFileBytesText()
{
    return QStringLiteral("%1 MB (%2 bytes)")
        .arg(MaxFileBytes / (1024 * 1024))
        .arg(QLocale(QLocale::English, QLocale::UnitedStates).toString(MaxFileBytes));
}

} // namespace DescriptionFileFormat
