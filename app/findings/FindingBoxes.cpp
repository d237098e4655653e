#include "FindingBoxes.h"

#include "LongLine.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
const std::vector<int> NoSplits;
}

FindingBoxes::FindingBoxes(FindingsModel& model) : QObject(&model), m_model(model) {}

FindingBoxes& FindingBoxes::of(FindingsModel& model)
{
    if (auto* boxes = model.findChild<FindingBoxes*>(QString(), Qt::FindDirectChildrenOnly))
        return *boxes;
    return *new FindingBoxes(model);
}

void FindingBoxes::add(QWidget* box, SectionIndex section, BoxSplits splits)
{
    m_boxes.push_back({box, section, std::move(splits)});
}

const FindingBoxes::Box* FindingBoxes::shown(SectionIndex section) const
{
    // A one-line box's line edit is hidden while its field in pieces shows the text.
    for (const Box& box : m_boxes) {
        if (box.section == section && box.widget && !box.widget->isHidden())
            return &box;
    }
    return nullptr;
}

std::optional<FindingBoxes::Place> FindingBoxes::placeOf(const QWidget* focus) const
{
    for (const Box& box : m_boxes) {
        if (!box.widget || !focus || (focus != box.widget && !box.widget->isAncestorOf(focus)))
            continue;
        if (auto* line = qobject_cast<QLineEdit*>(box.widget)) {
            const bool selection = line->hasSelectedText();
            return Place{box.section, selection ? line->selectionStart() : line->cursorPosition(), selection};
        }
        if (auto* edit = qobject_cast<QPlainTextEdit*>(box.widget)) {
            const QTextCursor cursor = edit->textCursor();
            const std::vector<int>& splits = box.splits ? box.splits() : NoSplits;
            return Place{box.section, TextPosition(splits, cursor.selectionStart()), cursor.hasSelection()};
        }
    }
    return std::nullopt;
}

void FindingBoxes::select(const Finding& finding)
{
    const Box* box = shown(finding.section);
    if (!box)
        return;
    QWidget* widget = box->widget;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        const int length = static_cast<int>(line->text().size());
        const int start = static_cast<int>(std::clamp<qsizetype>(finding.start, 0, length));
        const int end = static_cast<int>(std::clamp<qsizetype>(finding.start + finding.length, start, length));
        line->setSelection(start, end - start);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        const std::vector<int>& splits = box->splits ? box->splits() : NoSplits;
        const int last = edit->document()->characterCount() - 1;
        const int start = static_cast<int>(std::clamp<qsizetype>(ShownPosition(splits, finding.start, true), 0, last));
        const int end = static_cast<int>(
            std::clamp<qsizetype>(ShownPosition(splits, finding.start + finding.length), start, last));
        QTextCursor cursor(edit->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
        edit->ensureCursorVisible();
    }
    widget->window()->activateWindow();
    widget->setFocus(Qt::ShortcutFocusReason);
    // Qt has no announcement of its own: the box's description changes while it has the focus,
    // and a screen reader reads the new one out.
    widget->setAccessibleDescription(m_model.text(finding));
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}
