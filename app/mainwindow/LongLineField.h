#pragma once

#include "SectionTextEdit.h"

// How a one-line box shows a text too long for a line edit, which lays out and shapes its
// whole line on every key and every repaint: the text in the pieces of a multi-line box,
// one piece in view at a time, scrolled to wherever the cursor is. It still acts as a line:
// no key puts a line break in, and a pasted or dropped break becomes a space.
class LongLineField : public SectionTextEdit {
    Q_OBJECT
public:
    explicit LongLineField(QWidget* parent = nullptr);

    // Where a position in the text lies in the box, past the box's own splits before it.
    int shownPosition(qsizetype position) const;
    // Where a position in the box lies in the text, without the splits before it.
    qsizetype textPosition(int shown) const;
    // The text's length, without reading it back.
    qsizetype textLength() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
