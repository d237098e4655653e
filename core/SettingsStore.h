#pragma once

#include <QString>

#include <optional>

// Names of the stored values.
namespace SettingKey {
inline const QString WindowLeft = QStringLiteral("WindowLeft");
inline const QString WindowTop = QStringLiteral("WindowTop");
inline const QString CurrentDir = QStringLiteral("CurrentDir");
inline const QString RecentFile = QStringLiteral("RecentFile");
inline const QString UseTitleAsHeading = QStringLiteral("UseTitleAsHeading");
// One value under two spellings: the wizard reads "Prepopulate" and writes "PrePopulate".
inline const QString Prepopulate = QStringLiteral("Prepopulate");
inline const QString PrePopulate = QStringLiteral("PrePopulate");
// "0" turns the update check off.
inline const QString CheckForUpdates = QStringLiteral("CheckForUpdates");
// "0" turns spell checking in the section boxes off.
inline const QString SpellCheck = QStringLiteral("SpellCheck");
// The spelling dictionary's language ("en_GB"); empty: the language of the user's locale.
inline const QString SpellLanguage = QStringLiteral("SpellLanguage");
// "0" turns one of the store's content rules off (ContentRules.h), in the editor and for --check.
inline const QString CheckContactDetails = QStringLiteral("CheckContactDetails");
inline const QString CheckPricesAndShops = QStringLiteral("CheckPricesAndShops");
inline const QString CheckReviews = QStringLiteral("CheckReviews");
inline const QString CheckReviewRequests = QStringLiteral("CheckReviewRequests");
inline const QString CheckTimeLimited = QStringLiteral("CheckTimeLimited");
inline const QString CheckKeywordLists = QStringLiteral("CheckKeywordLists");
// Which kind of store page's fold the preview, the boxes and --check show (FoldProfile.h).
inline const QString Fold = QStringLiteral("FoldProfile");
} // namespace SettingKey

// Per-user string values of the program, kept in an INI file under the user's
// configuration folder (Quorvane/Quorvane.conf, honouring XDG_CONFIG_HOME).
// Value names compare without regard to case; a write keeps the spelling already stored.
class SettingsStore {
public:
    static QString application() { return QStringLiteral("Quorvane"); }
    static QString generalSection() { return QStringLiteral("General"); }

    // The stored text, or the default when the value does not exist. (No default argument
    // here: a two-argument call is read(key, default) in section "General".)
    static QString read(const QString& section, const QString& key, const QString& defaultValue);
    // Stores the text, creating the file and section as needed; false when it could not be stored.
    static bool write(const QString& section, const QString& key, const QString& value);

    static QString read(const QString& key, const QString& defaultValue = {})
    {
        return read(generalSection(), key, defaultValue);
    }
    static bool write(const QString& key, const QString& value) { return write(generalSection(), key, value); }

    // Window position text as whole twips (a fraction rounds); nothing when it is not a number.
    static std::optional<int> toWindowCoordinate(const QString& text);
    // Check-box state: the leading number of the text is not 0 (no leading number counts as 0).
    static bool toCheckBox(const QString& text);
};
