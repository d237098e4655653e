#include "FoldPlace.h"

namespace {
QString caption(SectionIndex section)
{
    return QString::fromLatin1(SectionTable[static_cast<size_t>(section)].caption).trimmed();
}

// The author counts a line break as one character, as the box shows it.
qsizetype typedLength(const QString& text, qsizetype upTo)
{
    const QStringView part = QStringView(text).left(upTo);
    return part.size() - part.count(u"\r\n");
}
} // namespace

QString SectionPhrase(SectionIndex section)
{
    QString words = caption(section).toLower();
    words.replace(QLatin1String("kindle"), QLatin1String("Kindle"));
    words.replace(QLatin1String("createspace"), QLatin1String("CreateSpace"));
    return QStringLiteral("the ") + words;
}

QString FoldAboveText(const FoldPlace& place, const Description& description)
{
    if (!place.folds)
        return QStringLiteral("the whole description");
    QStringList parts;
    for (SectionIndex section : place.wholeAbove)
        parts << SectionPhrase(section);
    const qsizetype partial = typedLength(description[place.section], place.offset);
    if (partial > 0)
        parts << QStringLiteral("%1 character%2 of %3")
                     .arg(partial)
                     .arg(partial == 1 ? QString() : QStringLiteral("s"), SectionPhrase(place.section));
    if (parts.isEmpty())
        return QStringLiteral("nothing");
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

QString FoldMeterText(const FoldPlace& place)
{
    if (!place.folds)
        return QStringLiteral("all above the fold");
    if (place.linesAbove == 0)
        return QStringLiteral("fold above ") + caption(place.section);
    return QStringLiteral("fold in %1, line %2").arg(caption(place.section)).arg(place.linesAbove);
}
