#include "AttachSpelling.h"

#include "SpellFieldHighlighter.h"
#include "SpellHighlighter.h"
#include "SpellMenu.h"

#include <QLineEdit>
#include <QPlainTextEdit>

void attachSpelling(QWidget* box, SpellService& service, std::function<bool(int)> continuesLine)
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        new SpellHighlighter(edit, service, std::move(continuesLine));
    else if (auto* field = qobject_cast<QLineEdit*>(box))
        new SpellFieldHighlighter(field, service);
    else
        return;
    new SpellMenu(box, service);
}
