#include "VersionTextFields.h"

std::optional<VersionTextFields> SplitVersionText(QString text)
{
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (!text.contains(QLatin1String("qvnlatestversion")))
        return std::nullopt;
    text.remove(QLatin1String("qvnlatestversion:"));

    const qsizetype versionEnd = text.indexOf(QLatin1Char(':'));
    if (versionEnd < 0)
        return std::nullopt;
    const qsizetype numberEnd = text.indexOf(QLatin1Char(':'), versionEnd + 1);
    if (numberEnd < 0)
        return std::nullopt;
    return VersionTextFields{text.left(versionEnd), text.mid(versionEnd + 1, numberEnd - versionEnd - 1),
                             text.mid(numberEnd + 1)};
}
