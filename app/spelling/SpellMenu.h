#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QMenu;
class SpellService;

// The context menu of a section box (a QPlainTextEdit or a QLineEdit) with the spelling
// entries first when the word at the pointer is misspelled: up to five suggestions, "Add to
// Dictionary" and "Ignore", then the box's usual entries. The Menu key and Shift+F10 open
// it for the word at the text cursor.
class SpellMenu : public QObject {
    Q_OBJECT
public:
    SpellMenu(QWidget* box, SpellService& service);

    // The menu for the word at a position of the box's text; the caller shows and deletes it.
    QMenu* createMenu(int position);

    static QString addText() { return QStringLiteral("Add to Dictionary"); }
    static QString ignoreText() { return QStringLiteral("Ignore"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The text the position is in (a line of a multi-line box), its start in the box, and
    // the position within it.
    struct Place {
        QString text;
        int start = 0;
        int offset = 0;
    };
    Place placeOf(int position) const;
    int positionAt(QPoint viewPoint) const;
    int cursorPosition() const;
    QPoint cursorPoint() const;
    void popup(int position, QPoint global);
    void replace(int start, const QString& word, const QString& replacement);

    QWidget* m_box;
    SpellService& m_service;
};
