#include "FoldProfile.h"

#include "SettingsStore.h"

#include <array>

namespace {
// Reports of the product page's layout that reached us second-hand, and the dates we noted
// them; the phone's figure is a claim without a method behind it.
constexpr std::array<FoldProfile, FoldProfileCount> Profiles = {{
    {"Desktop page", "desktop page", 683, 14, 280, 0, "2026-12-08",
     "second-hand report of the current desktop product page", false},
    {"Desktop page, older", "older desktop page", 683, 14, 140, 0, "2026-12-08",
     "second-hand report of earlier desktop product pages (date of those pages unknown)", false},
    {"Phone", "phone", 360, 14, 0, 3, "2026-12-08",
     "claims without method of a few lines on phones; a placeholder until measured", true},
    {"Whole description", "whole description", 0, 0, 0, 0, "", "no fold: the whole description shows", false},
}};
} // namespace

std::span<const FoldProfile> FoldProfiles()
{
    return Profiles;
}

int FoldProfileIndex(const QString& key)
{
    // A hand-edited settings file may space the comma of "Desktop page, older" either way.
    const auto bare = [](QString text) { return text.remove(u' ').toLower(); };
    for (int i = 0; i < FoldProfileCount; ++i) {
        if (bare(key) == bare(QString::fromLatin1(Profiles[static_cast<size_t>(i)].key)))
            return i;
    }
    return 0;
}

const FoldProfile& FoldProfileAt(int index)
{
    return Profiles[static_cast<size_t>(index >= 0 && index < FoldProfileCount ? index : 0)];
}

int FoldProfileFromSettings()
{
    return FoldProfileIndex(SettingsStore::read(SettingKey::Fold, QString::fromLatin1(Profiles[0].key)));
}

SettingRow FoldSettingRow()
{
    const auto choices = [] {
        QList<std::pair<QString, QString>> made;
        for (const FoldProfile& profile : Profiles)
            made.append({QString::fromLatin1(profile.key), QString::fromLatin1(profile.key)});
        return made;
    };
    return {SettingRow::Kind::Choice, QStringLiteral("Preview"), QStringLiteral("Show the fold (\"Read more\") of"),
            SettingKey::Fold, QString::fromLatin1(Profiles[0].key), choices};
}
