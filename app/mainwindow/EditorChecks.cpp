#include "EditorChecks.h"

#include "AttachFindings.h"
#include "DescriptionBoxes.h"
#include "EditorSettings.h"
#include "FindingsList.h"
#include "FindingsModel.h"
#include "FoldView.h"
#include "ListingMeter.h"
#include "SectionTextEdit.h"
#include "SettingsStore.h"
#include "SettingsWindow.h"
#include "SpellService.h"

#include <QShortcut>

EditorChecks::EditorChecks(QWidget* window, DescriptionBoxes& boxes, SpellService& spelling)
    : QObject(window), m_window(window)
{
    m_settings = new EditorSettings(this);
    m_findings = new FindingsModel([boxes = &boxes] { return ReadDescription(*boxes); }, ContentRulesFromSettings(), this);
    for (const SectionInfo& section : SectionTable) {
        for (QWidget* box : {boxes.widget(section.index), boxes.longForm(section.index)}) {
            if (!box)
                continue;
            BoxSplits splits;
            if (auto* edit = qobject_cast<SectionTextEdit*>(box))
                splits = [edit]() -> const std::vector<int>& { return edit->splits(); };
            attachFindings(box, *m_findings, section.index, std::move(splits), *m_settings);
        }
    }
    m_meter = new ListingMeter(window, *m_findings);
    // The empty boxes: cheap, no pattern runs on an empty line.
    m_findings->updateNow();
    // The meter's findings are reached by Tab after the last box.
    QWidget::setTabOrder(boxes.widget(BookTitleBox), m_meter);
    // Measured only after a change: nothing of it before the window first paints.
    m_fold = new FoldView(boxes, *m_meter);
    connect(&boxes, &DescriptionBoxes::changed, m_findings, [this](int box) {
        if (box != BookTitleBox) { // the title is in neither fragment
            m_findings->scheduleUpdate();
            m_fold->scheduleUpdate();
        }
    });
    connect(m_meter, &ListingMeter::activated, this, &EditorChecks::showFindings);
    addFindingKeys(window, *m_findings);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), window, this, &EditorChecks::showSettings);
    connect(m_settings, &EditorSettings::changed, this, [this, spelling = &spelling](const QString& key) {
        if (key == SettingKey::SpellLanguage)
            spelling->languageChanged();
        else if (key == SettingKey::Fold)
            m_fold->updateNow();
        else
            m_findings->setRules(ContentRulesFromSettings());
    });
}

void EditorChecks::showFindings()
{
    FindingsList* list = FindingsList::showFor(m_window, *m_findings);
    connect(list, &FindingsList::settingsRequested, this, &EditorChecks::showSettings, Qt::UniqueConnection);
}

void EditorChecks::showSettings()
{
    SettingsWindow::showFor(m_window, *m_settings);
}
