#include "PropertyBag.h"

qsizetype PropertyBag::IndexOf(const QString& name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].first == name)
            return i;
    return -1;
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    const qsizetype index = IndexOf(name);
    return index < 0 ? defaultValue : m_entries[index].second;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    const qsizetype index = IndexOf(name);
    if (defaultValue.isValid() && value == defaultValue) {
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    if (index >= 0)
        m_entries[index].second = value;
    else
        m_entries.append({name, value});
}

bool PropertyBag::Contains(const QString& name) const
{
    return IndexOf(name) >= 0;
}

QStringList PropertyBag::Keys() const
{
    QStringList keys;
    for (const Entry& entry : m_entries)
        keys.append(entry.first);
    return keys;
}
