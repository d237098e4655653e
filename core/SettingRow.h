#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

// One setting the author changes in the settings window: the stored value it stands for,
// how the window offers it, and under which heading. A new setting is one more row.
struct SettingRow {
    enum class Kind { CheckBox, Choice };
    Kind kind = Kind::CheckBox;
    QString group;         // "Content rules"
    QString label;         // "Contact details"
    QString key;           // the value in the settings store
    QString defaultValue;  // "1", or the first choice's value
    // Choice: the values offered, each with its text, asked for when the window opens.
    std::function<QList<std::pair<QString, QString>>()> choices;
};
