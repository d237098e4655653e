#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

// Paste into a section box as the store takes it: formatted text (HTML on the clipboard)
// arrives as lines with <b> and <i> and nothing else, also where the clipboard holds only
// HTML; Ctrl+Shift+V pastes the plain text. The text then goes in the way a typed paste
// does, so a one-line box still turns its line breaks into spaces.
class PasteAsStoreTags : public QObject {
    Q_OBJECT
public:
    // Watches box (a QLineEdit or a SectionTextEdit) for as long as it lives.
    static void Attach(QWidget* box);

    // What a paste of data puts into a box, lines joined by "\n"; plain: without any tag.
    static QString PastedText(const QMimeData& data, bool plain);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PasteAsStoreTags(QWidget* box);
};
