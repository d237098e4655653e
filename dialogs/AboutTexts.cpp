#include "AboutTexts.h"

#include "AppInfo.h"

namespace AboutTexts {

QString Version()
{
    return QStringLiteral("Version ") + AppInfo::VersionNumbers();
}

QString AboutCopyright(const QString& legalCopyright)
{
    return QStringLiteral("Copyright \u00A9 ") + legalCopyright;
}

QString SplashCopyright(const QString& legalCopyright)
{
    return QStringLiteral("Copyright \u00A9 ") + legalCopyright + QStringLiteral(", all rights reserved");
}

QString Disclaimer(const QString& caption, const QString& legalCopyright)
{
    QString text = caption;
    return text.replace(QLatin1String("[copyright]"), legalCopyright);
}

QString DisclaimerCaption()
{
    return QStringLiteral("This program is protected by copyright law. You may use it under the terms of its licence; "
                          "copying or passing it on in any other way is not permitted. "
                          "\u00A9 [copyright], all right reserved.");
}

} // namespace AboutTexts
