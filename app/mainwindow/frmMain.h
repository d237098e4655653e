#pragma once

#include "DescriptionBoxes.h"
#include "EditorChecks.h"
#include "MainWindowLayout.h"

#include <QPointer>
#include <QWidget>

#include <array>

class CandyButton;
class EditorSettings;
class FindingsModel;
class FoldView;
class ListingMeter;
class SpellService;
class RecoveryKeeper;
class TopBar;
class QSessionManager;

// The program's document window: the top bar of command buttons, the title and the
// eight section boxes. It lives as long as the program; when it unloads, the program ends.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // withSplash: the splash shows before the window builds its controls, as the program
    // starts; otherwise Load shows it.
    explicit frmMain(bool withSplash = false);
    ~frmMain() override;

    // The window's load, up to the command-line file or the start dialog. False when the
    // window has unloaded again (the user chose no document, or took an update).
    bool Load();

    // Registers the description file type with the desktop.
    void AssociateFileExtn();

    DescriptionBoxes& boxes() { return *m_boxes; }
    ListingMeter* meter() const { return m_checks->meter(); }
    FindingsModel& findings() const { return m_checks->findings(); }
    EditorSettings& settings() const { return m_checks->settings(); }
    // The findings list beside the window, and the settings window.
    void showFindings() { m_checks->showFindings(); }
    void showSettings() { m_checks->showSettings(); }
    FoldView* fold() const { return m_checks->fold(); }
    CandyButton* button(MainWindowLayout::MainButton which) const { return m_buttons[which]; }

    // The desktop session is ending. Asks about unsaved changes when it may; false means
    // the user wants to keep working and the session end should be cancelled.
    bool EndSession(bool mayAsk);

    void cmdNew_Click();
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdSaveAs_Click();
    void cmdCopyKindleHTML_Click();
    void cmdCopyCreatespaceHTML_Click();
    void cmdPreviewKindle_Click();
    void cmdPreviewCreatespace_Click();
    void cmdHelp_Click();
    void CandyButton2_Click();
    void CandyButton3_Click();

signals:
    // F1 or the Help button: the help opens (ShowHelp is connected here).
    void helpRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createSectionFrames();
    void onCommitDataRequest(QSessionManager& manager);
    // Asks about unsaved changes; false when the window must stay open.
    bool QueryUnload();
    void Unload();
    void Text1_Change(int box);

    TopBar* m_topBar = nullptr;
    // Holds the section frames, captions and boxes (WindowScroller scrolls it).
    QWidget* m_sections = nullptr;
    DescriptionBoxes* m_boxes = nullptr;
    EditorChecks* m_checks = nullptr;
    RecoveryKeeper* m_recovery = nullptr;
    QPointer<QWidget> m_splash;
    std::array<CandyButton*, MainWindowLayout::MainButtonCount> m_buttons{};
    bool m_closeApproved = false;
    bool m_changesDiscarded = false;  // No to saving them on closing
    bool m_unloaded = false;
};
