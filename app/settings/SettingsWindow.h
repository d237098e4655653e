#pragma once

#include <QDialog>

class EditorSettings;

// The settings the author changes while working, one control a row of EditorSettings:
// a check box for each on-or-off setting, a list for each choice. A change applies at once
// and is stored; Close only closes.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    SettingsWindow(QWidget* owner, EditorSettings& settings);

    // The owner's settings window, made on the first call, shown and raised.
    static SettingsWindow* showFor(QWidget* owner, EditorSettings& settings);

private:
    EditorSettings& m_settings;
};
