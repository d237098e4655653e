#include "UpdateVersionText.h"

#include "AppInfo.h"

std::optional<UpdateOffer> ReadVersionText(QString versionText)
{
    if (!versionText.contains(QLatin1String("qvnlatestversion")))
        return std::nullopt;
    versionText.remove(QLatin1String("qvnlatestversion:"));

    const qsizetype versionEnd = versionText.indexOf(QLatin1Char(':'));
    if (versionEnd < 0)
        return std::nullopt;
    UpdateOffer offer;
    offer.LatestVersion = versionText.left(versionEnd);
    const QString rest = versionText.mid(versionEnd + 1);

    // The number field is read and not used; without its closing colon there are no notes
    // to show, so the text names no release.
    const qsizetype numberEnd = rest.indexOf(QLatin1Char(':'));
    if (numberEnd < 0)
        return std::nullopt;
    offer.UpdateNotes = rest.mid(numberEnd + 1);
    return offer;
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
