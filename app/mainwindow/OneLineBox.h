#pragma once

#include <QObject>
#include <QString>

class LongLineField;
class QLineEdit;

// A one-line section box: the line edit it always was, and while its text is longer than
// the longest piece a multi-line box lays out at once, a LongLineField in its place, which
// costs a key the same however long the text. The text moves between them whenever it
// crosses that length: loaded, restored, pasted or typed. Whichever shows, the line edit
// stays the box to everyone else: Tab, its caption's shortcut and setFocus reach the field
// through it. Readers ask here for the text.
//
// Each form keeps its own undo history, and the box joins them into one: a form left behind
// keeps its text and history as they were, so an undo or redo that runs out in one form goes
// on in the other, across the edit that moved the text.
class OneLineBox : public QObject {
    Q_OBJECT
public:
    // Takes edit's place, look and name as they are now; lives as long as edit.
    explicit OneLineBox(QLineEdit* edit);

    QLineEdit* lineEdit() const { return m_edit; }
    LongLineField* field() const { return m_field; }
    // Whether the field shows the text.
    bool isLong() const { return m_long; }

    // The box's text, line breaks as "\n".
    QString text() const;
    // A new text, with no history to undo.
    void setText(const QString& text);

    void undo();
    void redo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool tooLong(qsizetype length);
    // Moves the text to where its length belongs once the edit in progress is over.
    void recheckLater();
    void recheck();
    // Shows the text in the form longForm, the cursor at cursor (a position in the text);
    // fresh: a text of its own, not the result of an edit.
    void show(bool longForm, const QString& text, qsizetype cursor, bool fresh = false);
    bool pasteIntoField();

    QLineEdit* m_edit;
    LongLineField* m_field;
    bool m_long = false;
    bool m_recheckDue = false;
};
