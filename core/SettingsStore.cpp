#include "SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           SettingsStore::application() + QLatin1Char('/') + SettingsStore::application() + QStringLiteral(".conf");
}

// The INI file's [General] section holds QSettings' top-level keys (a group of that name
// would be written as [%General]), so "General" maps to the top level.
class SectionSettings {
public:
    explicit SectionSettings(const QString& section) : m_settings(settingsFilePath(), QSettings::IniFormat)
    {
        if (section.compare(SettingsStore::generalSection(), Qt::CaseInsensitive) != 0)
            m_settings.beginGroup(storedGroupName(section));
    }

    QSettings& settings() { return m_settings; }

    // Value names compare like registry names: the exact spelling first, else any case.
    std::optional<QString> storedKeyName(const QString& key)
    {
        const QStringList keys = m_settings.childKeys();
        if (keys.contains(key))
            return key;
        for (const QString& k : keys) {
            if (k.compare(key, Qt::CaseInsensitive) == 0)
                return k;
        }
        return std::nullopt;
    }

private:
    QString storedGroupName(const QString& section)
    {
        for (const QString& g : m_settings.childGroups()) {
            if (g.compare(section, Qt::CaseInsensitive) == 0)
                return g;
        }
        return section;
    }

    QSettings m_settings;
};

} // namespace

QString SettingsStore::read(const QString& section, const QString& key, const QString& defaultValue)
{
    SectionSettings store(section);
    const std::optional<QString> name = store.storedKeyName(key);
    if (!name)
        return defaultValue;
    const QVariant value = store.settings().value(*name);
    // A hand-edited value with unquoted commas comes back as a list; keep its text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    SectionSettings store(section);
    store.settings().setValue(store.storedKeyName(key).value_or(key), value);
    store.settings().sync();
    return store.settings().status() == QSettings::NoError;
}

std::optional<int> SettingsStore::toWindowCoordinate(const QString& text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    // Halves go to the even neighbour, as the classic whole-number conversion does.
    const double whole = std::nearbyint(number);
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(whole);
}

bool SettingsStore::toCheckBox(const QString& text)
{
    // The leading number, read the classic way: blanks anywhere are skipped, then an
    // optional sign, digits and a fraction; anything else ends the number.
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool seenPoint = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= text.size())
            break;
        const QChar c = text[i];
        if (c == u'.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        if (c != u'0')
            return true;
    }
    return false;
}
