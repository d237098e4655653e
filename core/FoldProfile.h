#pragma once

#include "SettingRow.h"

#include <QString>
#include <QStringList>

#include <span>

// Where the store's product page cuts a description short, with "Read more" under it, on one
// kind of page. The figures are second-hand observations, so each carries when it was noted
// and where it came from; a newer observation is a new row, not an edited one.
struct FoldProfile {
    const char* key;        // stored in the settings: "Desktop page"
    const char* phrase;     // in running text: "desktop page"
    int columnPx;           // width of the description column; 0 when the profile has no fold
    int typePx;             // size of the body text
    int collapsedPx;        // height of the collapsed description, or 0
    int collapsedLines;     // or the lines it shows when collapsed, or 0
    const char* observed;   // when the figures were noted, ISO date
    const char* source;     // how we know them
    bool placeholder;       // a guess until measured

    bool folds() const { return columnPx > 0; }
};

// Every profile, the default first.
std::span<const FoldProfile> FoldProfiles();
inline constexpr int FoldProfileCount = 4;
// The profile stored under that key (any letter case), or the default for anything else.
int FoldProfileIndex(const QString& key);
const FoldProfile& FoldProfileAt(int index);

// The profile the settings choose; "Desktop page" when none or an unknown one is stored.
int FoldProfileFromSettings();

// The choice as the settings window offers it.
SettingRow FoldSettingRow();
