// What a content finding quotes of its words, as a list or a terminal shows it.
#include "ContentCheck.h"

#include <algorithm>

QString QuotedWords(QStringView words)
{
    QString quoted;
    quoted.reserve(MaxQuotedLength + 4);
    // One more than fits tells whether it is cut; the rest is never read.
    const QStringView trimmed = words.trimmed();
    for (const QChar c : trimmed.first(std::min(trimmed.size(), MaxQuotedLength + 1))) {
        const char16_t u = c.unicode();
        // Nothing from a file may steer a terminal or break the line.
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029)
            quoted += QLatin1Char(' ');
        else
            quoted += c;
    }
    if (quoted.size() <= MaxQuotedLength)
        return quoted;
    qsizetype cut = quoted.lastIndexOf(QLatin1Char(' '), MaxQuotedLength);
    if (cut < MaxQuotedLength / 2)
        cut = MaxQuotedLength;
    if (quoted[cut - 1].isHighSurrogate())
        --cut;
    return quoted.first(cut).trimmed() + QStringLiteral("...");
}
