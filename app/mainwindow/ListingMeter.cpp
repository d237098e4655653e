#include "ListingMeter.h"

#include "FocusFrame.h"
#include "ListingReport.h"
#include "MainWindowLayout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>


namespace L = MainWindowLayout;

namespace {
const QColor QuietGrey{128, 128, 128};
const QColor WarningRed{192, 0, 0};
// A tooltip taller than the screen is cut off.
constexpr qsizetype MaxTooltipLines = 30;
} // namespace

ListingMeter::ListingMeter(QWidget* parent, FindingsModel& model) : QLabel(parent), m_model(model)
{
    setObjectName(QStringLiteral("lblListingMeter"));
    QFont font(QString::fromLatin1(L::FontFamily));
    font.setPointSizeF(L::CaptionPointSize);
    setFont(font);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setGeometry(placement());
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    connect(&model, &FindingsModel::updated, this, &ListingMeter::showCheck);
    m_saved.setSingleShot(true);
    m_saved.setInterval(SavedMs);
    connect(&m_saved, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    showCheck();
}

QRect ListingMeter::placement()
{
    // In line with the section captions, from the last frame's bottom edge to the window's.
    constexpr int indent = 8;
    const QRect lastFrame = PixelRect(L::SectionFrame(CreateSpaceCallToAction));
    const int top = lastFrame.top() + lastFrame.height();
    return {lastFrame.left() + indent, top, lastFrame.width() - indent, PixelsFromTwips(L::ClientHeight) - top};
}

void ListingMeter::showCheck()
{
    const ListingCheck& check = m_model.check();
    QString status = ListingStatusText(check);
    const QString off = RulesOffText(m_model.rulesOff());
    if (!off.isEmpty())
        status += QStringLiteral(" \u00b7 ") + off;
    setText(status + m_foldNote);

    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, warns() ? WarningRed : QuietGrey);
    setPalette(colours);

    const QString findings = ListingFindingsText(check, MaxTooltipLines);
    // Qt would take "<b> is not closed" for rich text; as HTML of its own the text shows
    // every tag, one finding a line, a long one wrapped so that the tip stays on the screen.
    setToolTip(QStringLiteral("<p style=\"white-space:pre-wrap\">") + findings.toHtmlEscaped() + QStringLiteral("</p>"));
    setAccessibleDescription(findings);
}

void ListingMeter::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
    QLabel::mouseReleaseEvent(event);
}

void ListingMeter::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ListingMeter::setFoldNote(const QString& note)
{
    m_foldNote = note.isEmpty() ? QString() : QStringLiteral(" \u00b7 ") + note;
    showCheck();
}

void ListingMeter::showSaved()
{
    m_saved.start();
    update();
}

void ListingMeter::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_saved.isActive()) {
        // At the far end, clear of the figures.
        QPainter painter(this);
        painter.setPen(QuietGrey);
        painter.drawText(contentsRect().adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Saved"));
    }
    if (!hasFocus())
        return;
    // Around the text, not the whole width of the window.
    const QSize textSize(fontMetrics().horizontalAdvance(text()) + 4, height());
    PaintFocusFrame(this, contentsRect().intersected(QRect({0, 0}, textSize)));
}
