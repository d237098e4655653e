#include "ContentLineScan.h"

#include <algorithm>

namespace {

constexpr int KeyLetters = 12;

constexpr quint64 addLetter(quint64 key, char16_t lower)
{
    return key * 27 + (lower - u'a' + 1);
}

} // namespace

quint64 ContentWordKey(QLatin1String word)
{
    quint64 key = 0;
    for (qsizetype i = 0; i < std::min<qsizetype>(word.size(), KeyLetters); ++i)
        key = addLetter(key, char16_t(word[i].unicode() | 0x20));
    return key;
}

void ContentWordTable::add(quint64 key, const ContentPatternSet& patterns)
{
    size_t at = slot(key);
    while (m_keys[at] != 0 && m_keys[at] != key)
        at = (at + 1) & (Size - 1);
    m_keys[at] = key;
    m_patterns[at] |= patterns;
}

ContentPatternSet ContentWordTable::find(quint64 key) const
{
    for (size_t at = slot(key); m_keys[at] != 0; at = (at + 1) & (Size - 1)) {
        if (m_keys[at] == key)
            return m_patterns[at];
    }
    return {};
}

namespace {

constexpr bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

constexpr bool isAsciiAlnum(char16_t c)
{
    return (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z');
}

constexpr bool isCurrency(char16_t c)
{
    return (c >= 0xa2 && c <= 0xa5) || (c >= 0x20a0 && c <= 0x20cf);
}

constexpr bool isQuote(char16_t c)
{
    return c == 0x201c || c == 0x201d || c == 0xab || c == 0xbb;
}

constexpr bool isStar(char16_t c)
{
    return c == 0x2605 || c == 0x2606 || c == 0x2b50 || (c >= 0x2729 && c <= 0x2730);
}

} // namespace

// One pass over the line: its traits and the patterns its words allow.
ContentLineScan ScanContentLine(QStringView line, const ContentWordTable& table)
{
    ContentLineScan scan;
    const char16_t* text = line.utf16();
    const qsizetype n = line.size();
    int digits = 0;
    int separators = 0;
    quint64 key = 0;
    int letters = 0;
    const auto endWord = [&] {
        if (letters > 0)
            scan.patterns |= table.find(key);
        key = 0;
        letters = 0;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            const char16_t lower = c | 0x20;
            if (lower >= u'a' && lower <= u'z') {
                if (letters++ < KeyLetters)
                    key = addLetter(key, lower);
                continue;
            }
            endWord();
            if (c >= u'0' && c <= u'9') {
                ++digits;
                continue;
            }
            switch (c) {
            case u'.':
                if (i > 0 && i + 1 < n && isAsciiAlnum(text[i - 1]) && ((text[i + 1] | 0x20) >= u'a' && (text[i + 1] | 0x20) <= u'z'))
                    scan.traits |= DotBeforeLetter;
                if (i > 0 && i + 1 < n && isDigit(text[i - 1]) && isDigit(text[i + 1]))
                    scan.traits |= DecimalNumber;
                break;
            case u'@': scan.traits |= AtSign; break;
            case u'/':
                scan.traits |= Slash;
                if (i > 0 && (isDigit(text[i - 1]) || (i > 1 && text[i - 1] == u' ' && isDigit(text[i - 2]))))
                    scan.traits |= DigitSlash;
                break;
            case u'"': scan.traits |= QuoteMark; break;
            case u'$': scan.traits |= CurrencySign; break;
            case u'-': scan.traits |= Hyphen; break;
            case u',':
                if (i > 0 && i + 1 < n && isDigit(text[i - 1]) && isDigit(text[i + 1]))
                    scan.traits |= DecimalNumber;
                ++separators;
                break;
            case u';': ++separators; break;
            default: break;
            }
            continue;
        }
        endWord();
        if (isCurrency(c))
            scan.traits |= c == 0xa2 ? CurrencySign | CentSign : CurrencySign;
        else if (isQuote(c))
            scan.traits |= QuoteMark;
        else if (isStar(c))
            scan.traits |= StarSign;
        else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1]))
            ++i;
        else if (QChar::isSurrogate(c))
            scan.traits |= LoneSurrogate;
    }
    endWord();
    if (digits > 0)
        scan.traits |= Digit;
    if (digits >= 7)
        scan.traits |= SevenDigits;
    if (separators > 0)
        scan.traits |= Comma;
    if (separators >= KeywordRunLimitsData().minPhrases - 1)
        scan.traits |= ManyCommas;
    return scan;
}
