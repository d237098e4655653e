#pragma once

#include "SpellingWords.h"

#include <QObject>

class QLineEdit;
class SpellService;

// Marks the misspelled words of a one-line box. A line edit draws extra formats only as
// input-method formatting, so the marks go to it that way, with nothing to insert; while an
// input method is composing text in the box, the marks wait for it to finish.
class SpellFieldHighlighter : public QObject {
    Q_OBJECT
public:
    SpellFieldHighlighter(QLineEdit* edit, SpellService& service);

    const QList<SpellingWord>& marks() const { return m_marks; }
    void recheck();

    // The rest of a pasted novel is not looked at.
    static constexpr qsizetype MostChecked = 20000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    SpellService& m_service;
    QList<SpellingWord> m_marks;
    bool m_composing = false;
    bool m_applying = false;
};
