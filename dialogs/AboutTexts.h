#pragma once

#include <QString>

// The texts of the About and splash windows, made from the program's identity.
namespace AboutTexts {

// "Version 1.4.18".
QString Version();
// The About window's copyright line.
QString AboutCopyright(const QString& legalCopyright);
// The splash window's copyright line.
QString SplashCopyright(const QString& legalCopyright);
// The licence note with every "[copyright]" replaced by the holder and year.
QString Disclaimer(const QString& caption, const QString& legalCopyright);
// The licence note as the About window is designed with it.
QString DisclaimerCaption();

} // namespace AboutTexts
