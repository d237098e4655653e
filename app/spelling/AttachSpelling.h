#pragma once

class QWidget;
class SpellService;

// Gives a text box spelling: the underline under misspelled words (drawn the way that box
// kind can draw it) and the spelling entries in its context menu. Works on a QPlainTextEdit
// or a QLineEdit; the helpers are children of the box and go with it.
void attachSpelling(QWidget* box, SpellService& service);
