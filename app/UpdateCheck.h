#pragma once

class QWidget;

// Looks for a newer release and offers it. True when the user took the update, so the
// program must end.
bool CheckForUpdates(QWidget* owner);
