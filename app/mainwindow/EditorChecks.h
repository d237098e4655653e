#pragma once

#include <QObject>

class DescriptionBoxes;
class EditorSettings;
class FindingsModel;
class FoldView;
class ListingMeter;
class SpellService;
class QWidget;

// What the main window checks beside the boxes, and how the author reaches it: the settings,
// the findings with their marks, F8, the findings list and the length line, and the fold.
// Made with the window's controls; everything in it is a child of the window.
class EditorChecks : public QObject {
    Q_OBJECT
public:
    EditorChecks(QWidget* window, DescriptionBoxes& boxes, SpellService& spelling);

    ListingMeter* meter() const { return m_meter; }
    FindingsModel& findings() const { return *m_findings; }
    EditorSettings& settings() const { return *m_settings; }
    FoldView* fold() const { return m_fold; }

    // The findings list beside the window, and the settings window.
    void showFindings();
    void showSettings();

private:
    QWidget* m_window;
    EditorSettings* m_settings = nullptr;
    FindingsModel* m_findings = nullptr;
    ListingMeter* m_meter = nullptr;
    FoldView* m_fold = nullptr;
};
