#pragma once

#include <QString>

class QWidget;
struct UpdateSource;

// What the update check shares with its windows.
struct UpdateState {
    QString LatestVersion;      // the release on offer
    QString UpdateNotes;        // its notes
    bool UpdateChosen = false;  // the user took the update
};
UpdateState& Update();
// Back to a fresh start (for tests).
void ResetUpdateState();

// Whether this program checks for updates at all: only with an address and a key to trust,
// with the check left on in the settings, and when no package manager installed it.
bool UpdateCheckWanted(const UpdateSource& source);

// The main window's check, once per start: the version text the last start fetched, then a
// fresh copy fetched in the background for the next. True when the user took the update
// and its installer runs, so the program must end.
bool CheckForUpdates(QWidget* owner);

// The check itself on one version text: offers a different release, and when it is taken
// downloads, verifies and starts its installer. True when the installer was started.
bool RunUpdateCheck(const QString& versionText, QWidget* owner, const UpdateSource& source);
