#include "DesignFonts.h"

#include <QFont>
#include <QStringList>

void SubstituteDesignFonts()
{
    // A substitute serves only where the family asked for is not installed, so no look-up
    // first: asking the font database whether a family exists reads all of it at once.
    // Wide, open shapes like Verdana's; the set-up installs it (fonts-dejavu-core).
    const QString closest = QStringLiteral("DejaVu Sans");
    for (const QString& design : {QStringLiteral("Verdana"), QStringLiteral("Tahoma"), QStringLiteral("Segoe UI")})
        QFont::insertSubstitution(design, closest);
}
