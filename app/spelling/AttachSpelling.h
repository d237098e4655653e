#pragma once

#include <functional>

class QWidget;
class SpellService;

// Gives a text box spelling: the underline under misspelled words (drawn the way that box
// kind can draw it) and the spelling entries in its context menu. Works on a QPlainTextEdit
// or a QLineEdit; the helpers are children of the box and go with it. continuesLine, for a
// multi-line box that shows a long line in pieces, tells whether the block at a position is a
// further piece of the line before it.
void attachSpelling(QWidget* box, SpellService& service, std::function<bool(int)> continuesLine = {});
