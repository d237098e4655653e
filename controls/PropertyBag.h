#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <utility>

// The saved properties of one control: keys and values in the order they were written.
class PropertyBag {
public:
    using Entry = std::pair<QString, QVariant>;

    // The stored value, or defaultValue when the key is missing.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) const;
    // Stores the value under the key (in place when the key is there already). A value equal to
    // a given default is not stored, and an earlier value of the key is dropped; an invalid
    // default means the key has none and the value is always stored.
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue = {});

    bool Contains(const QString& name) const;
    QStringList Keys() const;
    const QList<Entry>& Entries() const { return m_entries; }
    bool IsEmpty() const { return m_entries.isEmpty(); }

    bool operator==(const PropertyBag& other) const = default;

private:
    qsizetype IndexOf(const QString& name) const;

    QList<Entry> m_entries;
};
