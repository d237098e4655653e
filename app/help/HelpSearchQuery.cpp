#include "HelpSearchQuery.h"

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
} // namespace

QString HelpSearchQuery(const QString& typed)
{
    if (typed.contains(QLatin1Char('"')))
        return typed;
    QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& word : words) {
        if (!isBareWord(word))
            word = QLatin1Char('"') + word + QLatin1Char('"');
    }
    return words.join(QLatin1Char(' '));
}
