#include "SectionBoxInput.h"

#include "OneLineText.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {
// A key whose printable text the box would type although Alt or Ctrl is held.
bool withheld(const QKeyEvent& key)
{
    const QString text = key.text();
    if (text.isEmpty())
        return false;
    // Control characters are the boxes' own commands (Ctrl+C, Ctrl+V): not ours to judge.
    const QChar first = text.front();
    if (!first.isPrint() && !first.isHighSurrogate() && first.category() != QChar::Other_PrivateUse)
        return false;
    return !SectionBoxInput::TypesText(key);
}
} // namespace

SectionBoxInput::SectionBoxInput(QWidget* box) : QObject(box)
{
    box->installEventFilter(this);
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        m_before = edit->text();
        // textEdited comes first, while m_before still holds the text before the edit.
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) { keepOnOneLine(edit, text); });
        // The box's own text, not the signal's: an edit that keepOnOneLine corrects still
        // announces its uncorrected text afterwards.
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { m_before = edit->text(); });
    }
}

bool SectionBoxInput::TypesText(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return held == Qt::NoModifier || held == (Qt::ControlModifier | Qt::AltModifier);
}

QString SectionBoxInput::InsertedBreaksAsSpaces(const QString& before, const QString& after, int& cursor)
{
    // The edit replaced the middle of before: what lies between the common start and end.
    const qsizetype most = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < most && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (end < most - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    const QString inserted = after.mid(start, after.size() - end - start);
    const QString flat = BreaksAsSpaces(inserted);
    if (flat == inserted)
        return after;
    cursor = static_cast<int>(start + flat.size());
    return after.left(start) + flat + after.right(end);
}

bool SectionBoxInput::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!withheld(*key))
        return false;
    // The same key without its text: the box still acts on it as a command (Ctrl+V is
    // Ctrl+V whatever text a platform gives it), and what the box has no use for goes
    // on to the window as usual.
    QKeyEvent textless(key->type(), key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                       key->nativeModifiers(), QString(), key->isAutoRepeat(), key->count(), key->device());
    QCoreApplication::sendEvent(watched, &textless);
    return true;
}

void SectionBoxInput::keepOnOneLine(QLineEdit* edit, const QString& edited)
{
    // An undo may bring back a break that was loaded: that one stays. (An edit of the
    // author's own leaves nothing to redo.)
    if (m_correcting || edit->isRedoAvailable())
        return;
    int cursor = 0;
    const QString flat = InsertedBreaksAsSpaces(m_before, edited, cursor);
    if (flat == edited)
        return;
    m_correcting = true;
    // The edit is taken back and made again without its breaks, so that no undo or redo
    // brings them in: setText would forget the box's whole history.
    if (edit->isUndoAvailable())
        edit->undo();
    const QString now = edit->text();
    qsizetype start = 0;
    while (start < now.size() && start < flat.size() && now[start] == flat[start])
        ++start;
    qsizetype end = 0;
    while (end < now.size() - start && end < flat.size() - start && now[now.size() - 1 - end] == flat[flat.size() - 1 - end])
        ++end;
    edit->setSelection(static_cast<int>(start), static_cast<int>(now.size() - end - start));
    edit->insert(flat.mid(start, flat.size() - end - start));
    edit->setCursorPosition(cursor);
    m_correcting = false;
}
