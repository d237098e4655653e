#include "ListingMeter.h"

#include "DescriptionView.h"
#include "FocusFrame.h"
#include "ListingReport.h"
#include "MainWindowLayout.h"


namespace L = MainWindowLayout;

namespace {
const QColor QuietGrey{128, 128, 128};
const QColor WarningRed{192, 0, 0};
// A tooltip taller than the screen is cut off.
constexpr qsizetype MaxTooltipLines = 30;
} // namespace

ListingMeter::ListingMeter(QWidget* parent, const DescriptionView& view)
    : QLabel(parent), m_view(view), m_content(ContentRulesFromSettings())
{
    setObjectName(QStringLiteral("lblListingMeter"));
    QFont font(QString::fromLatin1(L::FontFamily));
    font.setPointSizeF(L::CaptionPointSize);
    setFont(font);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setGeometry(placement());
    setFocusPolicy(Qt::TabFocus);

    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &ListingMeter::updateNow);
    updateNow();
}

QRect ListingMeter::placement()
{
    // In line with the section captions, from the last frame's bottom edge to the window's.
    constexpr int indent = 8;
    const QRect lastFrame = PixelRect(L::SectionFrame(CreateSpaceCallToAction));
    const int top = lastFrame.top() + lastFrame.height();
    return {lastFrame.left() + indent, top, lastFrame.width() - indent, PixelsFromTwips(L::ClientHeight) - top};
}

void ListingMeter::scheduleUpdate()
{
    // Not restarted while running: typing without a pause still sees the meter move.
    if (!m_timer.isActive())
        m_timer.start();
}

void ListingMeter::updateNow()
{
    m_timer.stop();
    const Description description = ReadDescription(m_view);
    m_check = CheckListing(description, m_content.check(description));
    setText(ListingStatusText(m_check) + m_foldNote);

    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, warns() ? WarningRed : QuietGrey);
    setPalette(colours);

    const QString findings = ListingFindingsText(m_check, MaxTooltipLines);
    // Qt would take "<b> is not closed" for rich text; as HTML of its own the text shows
    // every tag, and one finding a line, unwrapped, reads best.
    setToolTip(QStringLiteral("<p style=\"white-space:pre\">") + findings.toHtmlEscaped() + QStringLiteral("</p>"));
    setAccessibleDescription(findings);
}

void ListingMeter::setFoldNote(const QString& note)
{
    m_foldNote = note.isEmpty() ? QString() : QStringLiteral(" \u00b7 ") + note;
    setText(ListingStatusText(m_check) + m_foldNote);
}

void ListingMeter::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Around the text, not the whole width of the window.
    const QSize textSize(fontMetrics().horizontalAdvance(text()) + 4, height());
    PaintFocusFrame(this, contentsRect().intersected(QRect({0, 0}, textSize)));
}
