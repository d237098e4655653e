#pragma once

#include <QStringList>

class HelpWindow;
class QWidget;

// Opens the help book at the topic on working on a book description, in the help window
// owned by owner (created on the first call, reused after).
void ShowHelp(QWidget* owner);

// Opens it at a page of the book, and at a place on that page when anchor is given.
void ShowHelpTopic(QWidget* owner, const QString& topic, const QString& anchor = {});

// The same with the places to look for the help file given.
HelpWindow* ShowHelpFrom(QWidget* owner, const QStringList& candidates, const QString& topic = {},
                         const QString& anchor = {});
