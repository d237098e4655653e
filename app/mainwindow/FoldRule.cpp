#include "FoldRule.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace {
// The store's orange, as the preview's "Read more" rule has it.
const QColor RuleColour{228, 121, 17};
} // namespace

FoldRule::FoldRule(QPlainTextEdit* edit) : QWidget(edit->viewport()), m_edit(edit)
{
    setUp(edit->viewport());
    connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(edit->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

FoldRule::FoldRule(QLineEdit* edit) : QWidget(edit), m_line(edit)
{
    setUp(edit);
}

void FoldRule::setUp(QWidget* host)
{
    setObjectName(QStringLiteral("foldRule"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Fold of the store's page"));
    setGeometry(host->rect());
    host->installEventFilter(this);
    hide();
}

bool FoldRule::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        setGeometry(static_cast<QWidget*>(watched)->rect());
    return false;
}

void FoldRule::showAt(int position, const QString& said)
{
    m_position = position;
    setAccessibleDescription(said);
    raise();
    show();
    update();
}

QRect FoldRule::characterBox() const
{
    if (m_edit) {
        QTextCursor cursor(m_edit->document());
        cursor.setPosition(std::clamp(m_position, 0, m_edit->document()->characterCount() - 1));
        return m_edit->cursorRect(cursor);
    }
    // A line edit shows its text from the left, two pixels in, while the text fits.
    const QRect inside = m_line->contentsRect().marginsRemoved(m_line->textMargins());
    const int x = inside.left() + 2 + m_line->fontMetrics().horizontalAdvance(m_line->text().left(m_position));
    const int height = m_line->fontMetrics().height();
    return QRect(x, inside.center().y() - height / 2, 1, height);
}

void FoldRule::paintEvent(QPaintEvent*)
{
    const QRect box = characterBox();
    QPainter painter(this);
    painter.setPen(QPen(RuleColour, 1));
    const int left = 1, right = width() - 2;
    const int top = std::max(0, box.top()), bottom = std::min(height() - 1, box.bottom() + 1);
    if (m_position == 0 || box.left() <= left + 4) {
        painter.drawLine(left, top, right, top);  // between two lines of the box
        return;
    }
    // Above the fold: the lines before and this line up to the character; below: the rest.
    painter.drawLine(left, bottom, box.left(), bottom);
    painter.drawLine(box.left(), bottom, box.left(), top);
    painter.drawLine(box.left(), top, right, top);
}
