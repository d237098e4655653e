#pragma once

#include <QStringList>

class HelpWindow;
class QWidget;

// Opens the help book at the topic on working on a book description, in the help window
// owned by owner (created on the first call, reused after).
void ShowHelp(QWidget* owner);

// The same with the places to look for the help file given.
HelpWindow* ShowHelpFrom(QWidget* owner, const QStringList& candidates);
