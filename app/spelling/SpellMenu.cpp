#include "SpellMenu.h"

#include "SpellService.h"
#include "SpellingWords.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

SpellMenu::SpellMenu(QWidget* box, SpellService& service) : QObject(box), m_box(box), m_service(service)
{
    box->installEventFilter(this);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        edit->viewport()->installEventFilter(this);
}

bool SpellMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu ||
                             (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        if (!menuKey)
            return false;
        popup(cursorPosition(), m_box->mapToGlobal(cursorPoint()));
        return true;
    }
    if (event->type() != QEvent::ContextMenu)
        return false;
    // A menu is open already when the platform follows the Menu key with a menu request.
    if (QApplication::activePopupWidget())
        return true;
    const auto* request = static_cast<QContextMenuEvent*>(event);
    if (request->reason() == QContextMenuEvent::Keyboard) {
        popup(cursorPosition(), m_box->mapToGlobal(cursorPoint()));
    } else {
        const QPoint inBox = static_cast<QWidget*>(watched)->mapTo(m_box, request->pos());
        popup(positionAt(inBox), request->globalPos());
    }
    return true;
}

void SpellMenu::popup(int position, QPoint global)
{
    QMenu* menu = createMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(global);
}

QMenu* SpellMenu::createMenu(int position)
{
    auto* plain = qobject_cast<QPlainTextEdit*>(m_box);
    QMenu* menu = plain ? plain->createStandardContextMenu() : static_cast<QLineEdit*>(m_box)->createStandardContextMenu();
    if (!m_service.ready())
        return menu;
    const Place place = placeOf(position);
    const std::optional<SpellingWord> found = SpellingWordAt(place.text, place.offset);
    if (!found)
        return menu;
    const QString word = place.text.mid(found->start, found->length);
    if (!m_service.misspelled(word))
        return menu;

    const int start = place.start + static_cast<int>(found->start);
    QAction* usual = menu->actions().value(0);
    for (const QString& suggestion : m_service.suggestions(word)) {
        QAction* action = new QAction(suggestion, menu);
        connect(action, &QAction::triggered, this, [this, start, word, suggestion] { replace(start, word, suggestion); });
        menu->insertAction(usual, action);
    }
    // The suggestions apart from what is done to the word itself.
    if (usual != menu->actions().value(0))
        menu->insertSeparator(usual);
    QAction* add = new QAction(addText(), menu);
    connect(add, &QAction::triggered, this, [this, word] { m_service.addToDictionary(word); });
    menu->insertAction(usual, add);
    QAction* ignore = new QAction(ignoreText(), menu);
    connect(ignore, &QAction::triggered, this, [this, word] { m_service.ignore(word); });
    menu->insertAction(usual, ignore);
    menu->insertSeparator(usual);
    return menu;
}

SpellMenu::Place SpellMenu::placeOf(int position) const
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(m_box)) {
        const QTextBlock block = plain->document()->findBlock(position);
        return {block.text(), block.position(), position - block.position()};
    }
    return {static_cast<QLineEdit*>(m_box)->text(), 0, position};
}

int SpellMenu::positionAt(QPoint inBox) const
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(m_box))
        return plain->cursorForPosition(plain->viewport()->mapFrom(m_box, inBox)).position();
    return static_cast<QLineEdit*>(m_box)->cursorPositionAt(inBox);
}

int SpellMenu::cursorPosition() const
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(m_box))
        return plain->textCursor().position();
    return static_cast<QLineEdit*>(m_box)->cursorPosition();
}

QPoint SpellMenu::cursorPoint() const
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(m_box))
        return plain->viewport()->mapTo(m_box, plain->cursorRect().bottomLeft());
    return m_box->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft();
}

void SpellMenu::replace(int start, const QString& word, const QString& replacement)
{
    // One step to undo; nothing happens when the word is no longer there.
    if (auto* plain = qobject_cast<QPlainTextEdit*>(m_box)) {
        QTextCursor cursor(plain->document());
        cursor.setPosition(start);
        cursor.setPosition(start + static_cast<int>(word.size()), QTextCursor::KeepAnchor);
        if (cursor.selectedText() != word)
            return;
        cursor.insertText(replacement);
        plain->setTextCursor(cursor);
        return;
    }
    auto* line = static_cast<QLineEdit*>(m_box);
    if (line->text().mid(start, word.size()) != word)
        return;
    line->setSelection(start, static_cast<int>(word.size()));
    line->insert(replacement);
}
