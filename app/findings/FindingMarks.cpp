#include "FindingMarks.h"

#include "EditorSettings.h"
#include "Help.h"
#include "LongLine.h"
#include "SpellMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace {
const std::vector<int> NoSplits;

// Where each rule is explained in the help book.
QString anchorOf(ContentRule rule)
{
    switch (rule) {
    case ContentRule::ContactDetails:
        return QStringLiteral("contact");
    case ContentRule::PricesAndShops:
        return QStringLiteral("prices");
    case ContentRule::Reviews:
        return QStringLiteral("reviews");
    case ContentRule::ReviewRequests:
        return QStringLiteral("requests");
    case ContentRule::TimeLimited:
        return QStringLiteral("timelimited");
    case ContentRule::KeywordLists:
        break;
    }
    return QStringLiteral("keywords");
}
} // namespace

FindingMarks::FindingMarks(QWidget* box, FindingsModel& model, SectionIndex section, BoxSplits splits,
                           EditorSettings& settings)
    : QObject(box), m_box(box), m_surface(box), m_model(model), m_section(section), m_splits(std::move(splits)),
      m_settings(settings)
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) {
        m_surface = edit->viewport();
        connect(edit->document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
            // Equal counts are also what a change of formats (the spelling's) reports.
            if (removed != added && !m_marked.isEmpty())
                shift(textPosition(position), removed, added);
        });
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        m_lineText = line->text();
        connect(line, &QLineEdit::textChanged, this, [this](const QString& now) {
            const QString before = std::exchange(m_lineText, now);
            if (m_marked.isEmpty())
                return;
            const qsizetype shorter = std::min(before.size(), now.size());
            qsizetype prefix = 0;
            while (prefix < shorter && before[prefix] == now[prefix])
                ++prefix;
            qsizetype suffix = 0;
            while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == now[now.size() - 1 - suffix])
                ++suffix;
            shift(prefix, before.size() - prefix - suffix, now.size() - prefix - suffix);
        });
    }
    m_surface->installEventFilter(this);
    if (m_surface != box)
        box->installEventFilter(this);
    connect(&model, &FindingsModel::updated, this, &FindingMarks::modelUpdated);
    FindingBoxes::of(model).add(box, section, m_splits);
}

QColor FindingMarks::colour()
{
    return {0, 90, 200};
}

void FindingMarks::modelUpdated()
{
    // Those with a place, in the order of their starts.
    QList<Finding> now;
    for (const Finding& finding : m_model.findingsIn(m_section)) {
        if (finding.hasPlace())
            now.append(finding);
    }
    if (now == m_marked)
        return;
    m_marked = std::move(now);
    m_surface->update();
}

void FindingMarks::shift(qsizetype at, qsizetype removed, qsizetype added)
{
    QList<Finding> moved;
    moved.reserve(m_marked.size());
    for (Finding finding : std::as_const(m_marked)) {
        if (finding.start >= at + removed) {
            finding.start += added - removed;
            moved.append(finding);
        } else if (finding.start + finding.length < at) {
            moved.append(finding);
        }
    }
    m_marked = std::move(moved);
    m_surface->update();
}

bool FindingMarks::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint: {
        if (watched != m_surface || m_painting || m_marked.isEmpty())
            return false;
        // The box draws first, then the marks over it.
        m_painting = true;
        QCoreApplication::sendEvent(m_surface, event);
        m_painting = false;
        if (auto* edit = qobject_cast<QPlainTextEdit*>(m_box))
            paintPlain(edit);
        else if (auto* line = qobject_cast<QLineEdit*>(m_box))
            paintLine(line);
        return true;
    }
    case QEvent::ToolTip: {
        if (watched != m_surface)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<Finding> finding = m_model.findingAt(m_section, textPosition(positionAt(help->pos(), watched)));
        if (!finding) {
            QToolTip::hideText();
            return false;
        }
        // Plain text wider than the screen is wrapped by the tooltip itself.
        QToolTip::showText(help->globalPos(), m_model.text(*finding) + QLatin1Char('\n') + m_model.advice(*finding),
                           m_surface);
        return true;
    }
    case QEvent::ContextMenu: {
        if (watched != m_surface || QApplication::activePopupWidget())
            return false;
        const auto* request = static_cast<QContextMenuEvent*>(event);
        const bool byKey = request->reason() == QContextMenuEvent::Keyboard;
        const int position = byKey ? cursorPosition() : positionAt(request->pos(), watched);
        if (!m_model.findingAt(m_section, textPosition(position)))
            return false;
        popup(position, byKey ? m_box->mapToGlobal(cursorPoint()) : request->globalPos());
        return true;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu ||
                             (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        if (watched != m_box || !menuKey || !m_model.findingAt(m_section, textPosition(cursorPosition())))
            return false;
        popup(cursorPosition(), m_box->mapToGlobal(cursorPoint()));
        return true;
    }
    default:
        return false;
    }
}

void FindingMarks::paintMark(QPainter& painter, qreal left, qreal right, qreal bottom)
{
    // Two straight lines: neither a spelling wave nor a link's single line.
    const QRectF upper(left, bottom - 3, std::max<qreal>(right - left, 4), 1);
    painter.fillRect(upper, colour());
    painter.fillRect(upper.translated(0, 2), colour());
}

void FindingMarks::paintPlain(QPlainTextEdit* edit)
{
    const std::vector<int>& splits = m_splits ? m_splits() : NoSplits;
    QPainter painter(edit->viewport());
    const int bottom = edit->viewport()->height();
    for (QTextBlock block = edit->cursorForPosition(QPoint(0, 0)).block(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!block.isVisible() || !layout || layout->lineCount() == 0)
            continue;
        const QRect first = edit->cursorRect(QTextCursor(block));
        if (first.top() > bottom)
            break;
        const QTextLine line0 = layout->lineAt(0);
        const QPointF origin(first.left() - line0.cursorToX(0), first.top() - line0.y());
        const qsizetype from = TextPosition(splits, block.position());
        const qsizetype to = TextPosition(splits, block.position() + block.length() - 1);
        // Findings are in the order of their starts; none reaches further than a long line.
        auto finding = std::lower_bound(m_marked.cbegin(), m_marked.cend(), from - LongLineLength,
                                        [](const Finding& f, qsizetype at) { return f.start < at; });
        for (; finding != m_marked.cend() && finding->start <= to; ++finding) {
            const qsizetype start = std::max(finding->start, from);
            const qsizetype end = std::min(finding->start + finding->length, to);
            if (end < start || (end == start && finding->length > 0))
                continue;
            const qsizetype last = block.length() - 1;
            const int a = int(std::clamp<qsizetype>(ShownPosition(splits, start, true) - block.position(), 0, last));
            const int b = int(std::clamp<qsizetype>(ShownPosition(splits, end) - block.position(), a, last));
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const int s = std::max(a, line.textStart());
                const int e = std::min(b, line.textStart() + line.textLength());
                if (e < s || (e == s && a != b))
                    continue;
                paintMark(painter, origin.x() + line.cursorToX(s), origin.x() + line.cursorToX(e),
                          origin.y() + line.y() + line.height());
                if (a == b)
                    break;
            }
        }
    }
}

void FindingMarks::paintLine(QLineEdit* edit)
{
    // Laid out as the line edit lays its text out; the cursor tells where that layout stands.
    const QString text = edit->text();
    QTextLayout layout(text, edit->font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const qreal x0 = cursor.left() + 5 - line.cursorToX(edit->cursorPosition());
    const qreal bottom = cursor.top() + line.height();
    QPainter painter(edit);
    painter.setClipRect(edit->rect().adjusted(1, 0, -1, 0));
    for (const Finding& finding : std::as_const(m_marked)) {
        if (!finding.hasPlace() || finding.start > text.size())
            continue;
        const int start = int(finding.start);
        const int end = int(std::min<qsizetype>(finding.start + finding.length, text.size()));
        paintMark(painter, x0 + line.cursorToX(start), x0 + line.cursorToX(end), bottom);
    }
}

int FindingMarks::positionAt(QPoint inWatched, QObject* watched) const
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(m_box)) {
        const QPoint inView = watched == m_surface ? inWatched : edit->viewport()->mapFrom(m_box, inWatched);
        return edit->cursorForPosition(inView).position();
    }
    return static_cast<QLineEdit*>(m_box)->cursorPositionAt(inWatched);
}

int FindingMarks::cursorPosition() const
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(m_box))
        return edit->textCursor().position();
    return static_cast<QLineEdit*>(m_box)->cursorPosition();
}

QPoint FindingMarks::cursorPoint() const
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(m_box))
        return edit->viewport()->mapTo(m_box, edit->cursorRect().bottomLeft());
    return m_box->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft();
}

qsizetype FindingMarks::textPosition(int boxPosition) const
{
    return TextPosition(m_splits ? m_splits() : NoSplits, boxPosition);
}

QMenu* FindingMarks::createMenu(int position)
{
    auto* spelling = m_box->findChild<SpellMenu*>(QString(), Qt::FindDirectChildrenOnly);
    QMenu* menu = spelling                                      ? spelling->createMenu(position)
                  : qobject_cast<QPlainTextEdit*>(m_box) != nullptr ? static_cast<QPlainTextEdit*>(m_box)->createStandardContextMenu()
                                                                  : static_cast<QLineEdit*>(m_box)->createStandardContextMenu();
    const std::optional<Finding> finding = m_model.findingAt(m_section, textPosition(position));
    if (!finding)
        return menu;
    QAction* usual = menu->actions().value(0);
    QAction* why = new QAction(whyText(), menu);
    connect(why, &QAction::triggered, this, [this, finding = *finding] { explain(finding); });
    menu->insertAction(usual, why);
    if (const std::optional<ContentRule> rule = m_model.rule(*finding)) {
        QAction* off = new QAction(turnOffText(), menu);
        connect(off, &QAction::triggered, this, [this, rule = *rule] { m_settings.setRuleOn(rule, false); });
        menu->insertAction(usual, off);
    }
    menu->insertSeparator(usual);
    return menu;
}

void FindingMarks::popup(int position, QPoint global)
{
    QMenu* menu = createMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(global);
}

void FindingMarks::explain(const Finding& finding)
{
    if (const std::optional<ContentRule> rule = m_model.rule(finding))
        ShowHelpTopic(m_box->window(), QStringLiteral("Content rules.htm"), anchorOf(*rule));
    else
        ShowHelpTopic(m_box->window(), QStringLiteral("Checking a description before upload.htm"), QStringLiteral("tags"));
}
