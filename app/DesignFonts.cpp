#include "DesignFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void SubstituteDesignFonts()
{
    // Wide, open shapes like Verdana's; the set-up installs it (fonts-dejavu-core).
    const QString closest = QStringLiteral("DejaVu Sans");
    if (!QFontDatabase::hasFamily(closest))
        return;
    for (const QString& design : {QStringLiteral("Verdana"), QStringLiteral("Tahoma"), QStringLiteral("Segoe UI")})
        if (!QFontDatabase::hasFamily(design))
            QFont::insertSubstitution(design, closest);
}
