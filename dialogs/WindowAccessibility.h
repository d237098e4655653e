#pragma once

// Shows the program's own top-level windows that are plain widgets (the main window, the
// help window) to assistive tools as windows named by their caption, where they would
// otherwise be anonymous fillers. Safe to call more than once.
void InstallWindowAccessibility();
