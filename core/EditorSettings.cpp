#include "EditorSettings.h"

#include "FoldProfile.h"
#include "SettingsStore.h"
#include "SpellDictionary.h"

#include <QLocale>

namespace {
// "English (United States, en_US)": the dictionaries installed, after the one the locale picks.
QList<std::pair<QString, QString>> languageChoices()
{
    QList<std::pair<QString, QString>> choices = {
        {QString(), QStringLiteral("As the system's language (%1)").arg(SpellDictionary::languageFromEnvironment())}};
    for (const QString& language : SpellDictionary::installedLanguages()) {
        const QLocale locale(language);
        QString name = QLocale::languageToString(locale.language());
        if (language.contains(u'_'))
            name += QStringLiteral(", ") + QLocale::territoryToString(locale.territory());
        choices.append({language, locale.language() == QLocale::C ? language
                                                                  : QStringLiteral("%1 (%2)").arg(name, language)});
    }
    return choices;
}
} // namespace

EditorSettings::EditorSettings(QObject* parent) : QObject(parent), m_rows(standardRows()) {}

QList<SettingRow> EditorSettings::standardRows()
{
    QList<SettingRow> rows;
    for (const ContentRuleInfo& info : ContentRuleTable()) {
        rows.append({SettingRow::Kind::CheckBox, QStringLiteral("Content rules"), QString::fromUtf8(info.name),
                     *info.settingKey, QStringLiteral("1"), {}});
    }
    rows.append({SettingRow::Kind::Choice, QStringLiteral("Spelling"), QStringLiteral("Language"),
                 SettingKey::SpellLanguage, QString(), languageChoices});
    rows.append(FoldSettingRow());
    return rows;
}

QString EditorSettings::value(const SettingRow& row) const
{
    const QString stored = SettingsStore::read(row.key, row.defaultValue);
    if (row.kind == SettingRow::Kind::CheckBox)
        return SettingsStore::toCheckBox(stored) ? QStringLiteral("1") : QStringLiteral("0");
    return stored;
}

void EditorSettings::setValue(const SettingRow& row, const QString& value)
{
    if (value == this->value(row))
        return;
    SettingsStore::write(row.key, value);
    emit changed(row.key);
}

void EditorSettings::setRuleOn(ContentRule rule, bool on)
{
    const QString& key = *ContentRuleData(rule).settingKey;
    for (const SettingRow& row : m_rows) {
        if (row.key == key)
            setValue(row, on ? QStringLiteral("1") : QStringLiteral("0"));
    }
}
