#include "HelpSearchQuery.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {
bool isBareWord(const QString& word)
{
    // A trailing "*" asks for every word that begins so.
    const qsizetype end = word.endsWith(QLatin1Char('*')) ? word.size() - 1 : word.size();
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = word[i];
        if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
            return false;
    }
    return end > 0;
}

QString phrase(const QString& words)
{
    return QLatin1Char('"') + words + QLatin1Char('"');
}

// A number of four digits or more, written with or without separators between its groups
// of three: "4000", "4,000", "12.345.678".
const QRegularExpression& plainNumber()
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{4,}$"));
    return pattern;
}
const QRegularExpression& groupedNumber()
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,3}([,.]\\d{3})+$"));
    return pattern;
}

// The search splits "4,000" in the pages into "4" and "000"; a number is looked for both
// ways, so that "4000" finds "4,000" and "4,000" finds "4000".
QString eitherWay(const QString& digits)
{
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char(' ');
        grouped += digits[i];
    }
    return QStringLiteral("(%1 OR %2)").arg(phrase(digits), phrase(grouped));
}

// word with a "*" only at its end, and there only after enough letters: a search for every
// word beginning with one or two letters reads the whole index.
QString boundedWildcard(const QString& word)
{
    if (!word.contains(QLatin1Char('*')))
        return word;
    QString bare = word;
    bare.remove(QLatin1Char('*'));
    const auto letters = std::count_if(bare.cbegin(), bare.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    return word.endsWith(QLatin1Char('*')) && letters >= HelpSearchLimits::MinPrefix ? bare + QLatin1Char('*') : bare;
}
} // namespace

QString HelpSearchQuery(const QString& typedIn)
{
    qsizetype length = std::min(typedIn.size(), HelpSearchLimits::MaxLength);
    if (length > 0 && length < typedIn.size() && typedIn[length - 1].isHighSurrogate())
        --length;
    const QString typed = typedIn.left(length);
    QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() > HelpSearchLimits::MaxTerms)
        words.resize(HelpSearchLimits::MaxTerms);
    for (QString& word : words)
        word = boundedWildcard(word);
    words.removeAll(QString());
    if (typed.contains(QLatin1Char('"')))
        return words.join(QLatin1Char(' '));
    for (QString& word : words) {
        if (plainNumber().match(word).hasMatch())
            word = eitherWay(word);
        else if (groupedNumber().match(word).hasMatch())
            word = eitherWay(QString(word).remove(QLatin1Char(',')).remove(QLatin1Char('.')));
        else if (!isBareWord(word))
            word = phrase(word);
    }
    return words.join(QLatin1Char(' '));
}
