#pragma once

#include "FindingBoxes.h"

class EditorSettings;
class QWidget;

// Gives a text box the findings of its section: marks at their words, the finding on hover,
// and the context menu's "Why is this reported?" and "Turn off this rule". Works on a
// QPlainTextEdit or a QLineEdit; splits, for a box that shows a long line in pieces, tells
// where its own breaks are. The list and F8 reach every box attached.
void attachFindings(QWidget* box, FindingsModel& model, SectionIndex section, BoxSplits splits,
                    EditorSettings& settings);

// F8 and Shift+F8 anywhere in the window: the next and the previous finding from the cursor,
// in any box, its words selected; round to the first after the last.
void addFindingKeys(QWidget* window, FindingsModel& model);

// Goes to the next (or previous) finding from the focused box's cursor; false when there is none.
bool goToNeighbour(FindingsModel& model, bool forward);
