#pragma once

#include "LongLine.h"

#include <QPlainTextEdit>
#include <QString>

#include <algorithm>
#include <vector>

// A multi-line section box that stays quick with lines of any length. The text widget lays
// out a whole paragraph at once, and one without a blank costs it time growing with the
// square of its length; so a line longer than LongLineLength is shown as several paragraphs,
// split where a blank allows. Those splits are the box's own: the text read back, and the
// text copied from it, has none of them. Lines up to that length look as they always did.
// Each piece after a split carries a mark in its block format, which the document's own undo
// and redo keep with it: so every edit, splits or not, can be undone, and a split that comes
// back with an undo is known again as a split, not taken for a line break.
// Copied text is the text alone, without splits and without a rich form, so a copy pastes
// back as it was.
class SectionTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SectionTextEdit(QWidget* parent = nullptr);

    // Sets the box to text (line breaks as "\n").
    void setWidgetText(const QString& text);
    // Puts text in place of the selection as a paste of it would (line breaks as "\n").
    void pasteText(const QString& text);
    // The box's text as the widget keeps it (paragraph separators between lines), without
    // the box's own splits.
    QString widgetText() const;
    // What the edits since the last call did to the text: a box can tell most keys apart
    // without reading megabytes back.
    enum class Change { None, Some, Unknown };
    Change takeChange();

    // How many splits of its own the box holds now.
    qsizetype splitCount() const { return static_cast<qsizetype>(m_splits.size()); }
    // Where they are: the positions of their paragraph separators, in ascending order.
    const std::vector<int>& splits() const { return m_splits; }
    // Whether the block at position is a further piece of the line before it.
    bool continuesLine(int position) const
    {
        return std::binary_search(m_splits.begin(), m_splits.end(), position - 1);
    }

    // text with every line longer than LongLineLength split; splits receives the position of
    // each "\n" that was added.
    static QString SplitLongLines(const QString& text, std::vector<int>& splits);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    // A pasted or dropped text with a long line goes in split like a loaded one.
    void insertFromMimeData(const QMimeData* source) override;

    // Puts text (breaks as "\n") in place of the selection as one edit, long lines in pieces.
    void insertPieces(const QString& text);
    // Whether the paragraph separator at position is a split.
    bool isSplit(int position) const { return std::binary_search(m_splits.begin(), m_splits.end(), position); }

private:
    void fitWholeLines();
    void markPieces();
    // Adds the splits whose separators lie in [from, to) to m_splits; returns how many.
    qsizetype findSplits(int from, int to);
    void contentsChange(int position, int removed, int added);
    void note(Change change);
    // text[from, to) without the splits that lie in it.
    QString withoutSplits(const QString& text, int from, int to) const;

    // Document positions of the paragraph separators that are splits, in ascending order.
    std::vector<int> m_splits;
    bool m_setting = false;
    Change m_change = Change::None;
};
