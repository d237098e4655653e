#pragma once

#include "SpellingWords.h"

#include <QObject>

#include <functional>

class QPlainTextEdit;
class QTextBlock;
class SpellService;

// Marks the misspelled words of a multi-line box with the desktop's spelling underline.
// Typing checks only the lines it changed; a load or a scroll checks only the lines in view,
// and a long line (LongLineLength) only its part in view. Marks are drawn by the text's
// layout: they never reach the box's text, its undo steps or its change signals.
class SpellHighlighter : public QObject {
    Q_OBJECT
public:
    // continuesLine tells whether the block at a position goes on the line of the block before
    // it, as the pieces of a line the box shows in several do.
    SpellHighlighter(QPlainTextEdit* edit, SpellService& service, std::function<bool(int)> continuesLine = {});

    // The words a line of the box has marked.
    static QList<SpellingWord> marks(const QTextBlock& block);
    // Checks what is in view now rather than once the window is idle.
    void checkVisibleNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void contentsChanged(int position, int removed, int added);
    void recheckAll();
    void scheduleVisible();
    // Checks block's text from..to, keeping its marks elsewhere.
    void checkSpan(const QTextBlock& block, qsizetype from, qsizetype to);
    void setMarks(const QTextBlock& block, const QList<SpellingWord>& marks);
    bool continuesLine(const QTextBlock& block) const;
    // Whether the block begins inside a tag that an earlier piece of its line opened.
    bool startsInTag(const QTextBlock& block) const;

    QPlainTextEdit* m_edit;
    SpellService& m_service;
    std::function<bool(int)> m_continuesLine;
    // A line whose user state holds this was checked since the last change of dictionary.
    int m_stamp = 1;
    bool m_scheduled = false;
};
