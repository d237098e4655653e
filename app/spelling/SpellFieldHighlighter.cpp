#include "SpellFieldHighlighter.h"

#include "MisspelledFormat.h"
#include "SpellService.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTextCharFormat>

SpellFieldHighlighter::SpellFieldHighlighter(QLineEdit* edit, SpellService& service)
    : QObject(edit), m_edit(edit), m_service(service)
{
    connect(edit, &QLineEdit::textChanged, this, &SpellFieldHighlighter::recheck);
    connect(&service, &SpellService::changed, this, &SpellFieldHighlighter::recheck);
    edit->installEventFilter(this);
}

bool SpellFieldHighlighter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::InputMethod && !m_applying) {
        const bool composing = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
        if (m_composing && !composing)
            QMetaObject::invokeMethod(this, &SpellFieldHighlighter::recheck, Qt::QueuedConnection);
        m_composing = composing;
    }
    return QObject::eventFilter(watched, event);
}

void SpellFieldHighlighter::recheck()
{
    const QString text = m_edit->text();
    if (m_composing || (text.isEmpty() && m_marks.isEmpty()) || !m_service.ready())
        return;
    const QStringView checked = QStringView(text).first(std::min(text.size(), MostChecked));
    QList<SpellingWord> fresh;
    for (const SpellingWord& word : FindSpellingWords(checked)) {
        if (m_service.misspelled(checked.sliced(word.start, word.length)))
            fresh.append(word);
    }
    // Formats count from where they were set: a change of text moves them off their words.
    if (fresh.isEmpty() && m_marks.isEmpty())
        return;
    m_marks = fresh;

    const QTextCharFormat format = MisspelledFormat();
    QList<QInputMethodEvent::Attribute> attributes;
    const int cursor = m_edit->cursorPosition();
    for (const SpellingWord& word : m_marks) {
        attributes.append({QInputMethodEvent::TextFormat, static_cast<int>(word.start) - cursor,
                           static_cast<int>(word.length), format});
    }
    QInputMethodEvent formats(QString(), attributes);
    m_applying = true;
    QCoreApplication::sendEvent(m_edit, &formats);
    m_applying = false;
}
