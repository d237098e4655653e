#include "ControlCharacters.h"

#include <array>

QList<ControlCharacterFinding> FindControlCharacters(SectionIndex section, QStringView text)
{
    std::array<qsizetype, 0x20> counts{};
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20)
            ++counts[u];
    }
    QList<ControlCharacterFinding> findings;
    for (char16_t c = 0; c < 0x20; ++c) {
        if (counts[c] > 0 && IsReportedControlCharacter(c))
            findings.append({section, c, counts[c]});
    }
    return findings;
}

QString ControlCharacterName(char16_t character)
{
    static constexpr std::array<const char*, 0x20> names = {
        "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS", "HT", "LF", "VT", "FF", "CR", "SO", "SI",
        "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM", "SUB", "ESC", "FS", "GS", "RS", "US"};
    return character < names.size() ? QString::fromLatin1(names[character]) : QString();
}
