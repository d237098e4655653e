#include "SettingsWindow.h"

#include "EditorSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SettingsWindow::SettingsWindow(QWidget* owner, EditorSettings& settings) : QDialog(owner), m_settings(settings)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    auto* layout = new QVBoxLayout(this);
    QGroupBox* group = nullptr;
    QFormLayout* rows = nullptr;
    for (const SettingRow& row : settings.rows()) {
        if (!group || group->title() != row.group) {
            group = new QGroupBox(row.group, this);
            rows = new QFormLayout(group);
            layout->addWidget(group);
        }
        const QString key = row.key;
        const auto rowOf = [this, key]() -> const SettingRow* {
            for (const SettingRow& r : m_settings.rows())
                if (r.key == key)
                    return &r;
            return nullptr;
        };
        if (row.kind == SettingRow::Kind::CheckBox) {
            auto* box = new QCheckBox(row.label, group);
            box->setObjectName(QStringLiteral("chk") + key);
            box->setChecked(settings.value(row) == QStringLiteral("1"));
            connect(box, &QCheckBox::toggled, this, [this, rowOf](bool on) {
                if (const SettingRow* r = rowOf())
                    m_settings.setValue(*r, on ? QStringLiteral("1") : QStringLiteral("0"));
            });
            // Turned off from a box's context menu meanwhile.
            connect(&settings, &EditorSettings::changed, box, [this, rowOf, box, key](const QString& changed) {
                if (const SettingRow* r = rowOf(); r && changed == key)
                    box->setChecked(m_settings.value(*r) == QStringLiteral("1"));
            });
            rows->addRow(box);
        } else {
            auto* list = new QComboBox(group);
            list->setObjectName(QStringLiteral("cbo") + key);
            const QString now = settings.value(row);
            for (const auto& [value, text] : row.choices ? row.choices() : QList<std::pair<QString, QString>>{}) {
                list->addItem(text, value);
                if (value == now)
                    list->setCurrentIndex(list->count() - 1);
            }
            // A value stored by hand that no dictionary here offers still shows as what it is.
            if (list->findData(now) < 0) {
                list->addItem(now, now);
                list->setCurrentIndex(list->count() - 1);
            }
            connect(list, &QComboBox::currentIndexChanged, this, [this, rowOf, list](int index) {
                if (const SettingRow* r = rowOf())
                    m_settings.setValue(*r, list->itemData(index).toString());
            });
            auto* label = new QLabel(row.label + QLatin1Char(':'), group);
            label->setBuddy(list);
            rows->addRow(label, list);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

SettingsWindow* SettingsWindow::showFor(QWidget* owner, EditorSettings& settings)
{
    auto* window = owner->findChild<SettingsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new SettingsWindow(owner, settings);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
