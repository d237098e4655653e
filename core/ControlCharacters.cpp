#include "ControlCharacters.h"

#include <array>

QList<ControlCharacterFinding> FindControlCharacters(SectionIndex section, QStringView text)
{
    std::array<qsizetype, 0xa0> counts{};
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < counts.size())
            ++counts[u];
    }
    QList<ControlCharacterFinding> findings;
    for (char16_t c = 0; c < counts.size(); ++c) {
        if (counts[c] > 0 && IsReportedControlCharacter(c))
            findings.append({section, c, counts[c]});
    }
    return findings;
}

QString ControlCharacterName(char16_t character)
{
    static constexpr std::array<const char*, 0x20> c0 = {
        "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS", "HT", "LF", "VT", "FF", "CR", "SO", "SI",
        "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM", "SUB", "ESC", "FS", "GS", "RS", "US"};
    static constexpr std::array<const char*, 0x20> c1 = {
        "PAD", "HOP", "BPH", "NBH", "IND", "NEL", "SSA", "ESA", "HTS", "HTJ", "VTS", "PLD", "PLU", "RI", "SS2", "SS3",
        "DCS", "PU1", "PU2", "STS", "CCH", "MW", "SPA", "EPA", "SOS", "SGCI", "SCI", "CSI", "ST", "OSC", "PM", "APC"};
    if (character < c0.size())
        return QString::fromLatin1(c0[character]);
    if (character == 0x7f)
        return QStringLiteral("DEL");
    if (character >= 0x80 && character < 0x80 + c1.size())
        return QString::fromLatin1(c1[character - 0x80]);
    return QString();
}
