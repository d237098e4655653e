#include "HelpSearchQuery.h"

#include <QRegularExpression>
#include <QStringList>

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
} // namespace

QString HelpSearchQuery(const QString& typed)
{
    if (typed.contains(QLatin1Char('"')))
        return typed;
    QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
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
