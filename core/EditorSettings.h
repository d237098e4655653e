#pragma once

#include "ContentRules.h"
#include "SettingRow.h"

#include <QList>
#include <QObject>

// The settings the author may change while the editor runs, as a table of rows (the content
// rules, the spelling language). Reads and writes go to the settings store, so --check and the
// next start see the same; each change is announced, and whoever applies it listens.
class EditorSettings : public QObject {
    Q_OBJECT
public:
    explicit EditorSettings(QObject* parent = nullptr);

    const QList<SettingRow>& rows() const { return m_rows; }
    void addRow(SettingRow row) { m_rows.append(std::move(row)); }

    QString value(const SettingRow& row) const;
    // Stores the value; changed() when it differs from what was stored.
    void setValue(const SettingRow& row, const QString& value);
    void setRuleOn(ContentRule rule, bool on);

    // The content rules and the spelling language.
    static QList<SettingRow> standardRows();

signals:
    void changed(const QString& key);

private:
    QList<SettingRow> m_rows;
};
