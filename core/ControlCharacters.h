#pragma once

#include "Description.h"

#include <QList>
#include <QString>
#include <QStringView>

// Control characters in a section (C0 other than tab, CR and LF, DEL and C1): no author means to send
// one, the store's form may drop or refuse it, and the HTML would carry it unseen. Files may
// hold them, so they are kept and only reported.
struct ControlCharacterFinding {
    SectionIndex section;
    char16_t character;  // 0x00 to 0x1f, 0x7f to 0x9f
    qsizetype count;     // how often it occurs in the section

    bool operator==(const ControlCharacterFinding&) const = default;
};

// Whether c is one of the characters reported.
constexpr bool IsReportedControlCharacter(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0x7f && c <= 0x9f);
}

// One finding per control character that occurs in text, in the order of their codes.
QList<ControlCharacterFinding> FindControlCharacters(SectionIndex section, QStringView text);

// The character's usual abbreviation: "NUL", "ESC", "DEL", "CSI".
QString ControlCharacterName(char16_t character);
