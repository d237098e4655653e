#include "UpdateVersionText.h"

#include "AppInfo.h"
#include "ReleaseSerial.h"
#include "VersionTextFields.h"

std::optional<UpdateOffer> ReadVersionText(const QString& versionText)
{
    const std::optional<VersionTextFields> fields = SplitVersionText(versionText);
    if (!fields)
        return std::nullopt;
    const std::optional<qint64> serial = ReleaseSerial(fields->number);
    if (!serial)
        return std::nullopt;
    return UpdateOffer{fields->version, *serial, fields->notes};
}

QString OwnVersionText()
{
    return QStringLiteral("%1.%2").arg(AppInfo::VersionMajor).arg(AppInfo::VersionMinor);
}

bool OffersUpdate(const UpdateOffer& offer)
{
    return offer.LatestVersion != OwnVersionText();
}

QString UpdateNotesBoxText(QString notes)
{
    const QString paragraph = QStringLiteral("\r\n\r\n");
    notes.replace(QLatin1String("[\\n]"), paragraph);
    return notes + paragraph + QStringLiteral("Click 'Get Update' to close Quorvane and download the update.");
}
