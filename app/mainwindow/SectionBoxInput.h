#pragma once

#include <QObject>
#include <QString>

class QKeyEvent;
class QLineEdit;

// What a section box takes in besides what the text widgets do on their own:
// - a key pressed with Alt or Ctrl held is a command, never text: it types nothing
//   (AltGr, reported by some systems as Ctrl+Alt, still types its characters);
// - a line break (CR, LF, CR LF, vertical tab, form feed, U+0085, U+2028, U+2029) pasted,
//   dropped or typed into a one-line box, which would not show there but would reach the
//   HTML, becomes a space (BreaksAsSpaces). A break loaded from a file stays.
class SectionBoxInput : public QObject {
    Q_OBJECT
public:
    // Watches box (a QLineEdit or a QPlainTextEdit) for as long as it lives.
    explicit SectionBoxInput(QWidget* box);

    // Whether a key with printable text may type it: not with Alt or Ctrl alone.
    static bool TypesText(const QKeyEvent& key);
    // after, with every line break that the edit from before inserted turned into one
    // space (CR LF counts as one break); cursor is then set just after the inserted text.
    static QString InsertedBreaksAsSpaces(const QString& before, const QString& after, int& cursor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepOnOneLine(QLineEdit* edit, const QString& edited);

    QString m_before;  // the one-line box's text before the edit in progress
    bool m_correcting = false;
};
