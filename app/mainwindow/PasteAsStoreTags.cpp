#include "PasteAsStoreTags.h"

#include "PastedHtml.h"
#include "SectionTextEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

namespace {
bool isPlainPaste(const QKeyEvent& key)
{
    return key.keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V);
}
} // namespace

PasteAsStoreTags::PasteAsStoreTags(QWidget* box) : QObject(box)
{
    box->installEventFilter(this);
}

void PasteAsStoreTags::Attach(QWidget* box)
{
    new PasteAsStoreTags(box);
}

QString PasteAsStoreTags::PastedText(const QMimeData& data, bool plain)
{
    // The plain text a page sends beside its HTML is the author's own, spaces and all.
    if (plain && data.hasText())
        return data.text();
    if (data.hasHtml()) {
        const QString text = plain ? HtmlToPlainText(data.html()) : HtmlToBoxText(data.html());
        if (!text.isEmpty() || !data.hasText())
            return text;
    }
    return data.hasText() ? data.text() : QString();
}

bool PasteAsStoreTags::eventFilter(QObject* watched, QEvent* event)
{
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = isPlainPaste(*key);
    auto* line = qobject_cast<QLineEdit*>(watched);
    auto* edit = qobject_cast<SectionTextEdit*>(watched);
    // A multi-line box reads a paste's HTML itself (insertFromMimeData), also from its menu.
    if ((!plain && (edit || !key->matches(QKeySequence::Paste))) || (!line && !edit))
        return false;
    if ((line && line->isReadOnly()) || (edit && edit->isReadOnly()))
        return false;
    if (override) {
        // Ours, not a window shortcut's.
        if (plain)
            event->accept();
        return plain;
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    // A plain paste of plain text is what the box does anyway.
    if (!data || (!data->hasHtml() && !plain))
        return false;
    const QString text = PastedText(*data, plain);
    if (edit)
        edit->pasteText(text);
    else
        line->insert(text);
    return true;
}
