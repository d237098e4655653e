#include "WrappingCheckBox.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {
constexpr int CaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrappingCheckBox::setWidestHint(int width)
{
    m_widest = width;
    updateGeometry();
}

QSize WrappingCheckBox::sizeHint() const
{
    const QSize line = QCheckBox::sizeHint();
    const int width = std::min(line.width(), m_widest);
    return {width, heightForWidth(width)};
}

QSize WrappingCheckBox::minimumSizeHint() const
{
    return {std::min(QCheckBox::minimumSizeHint().width(), m_widest), QCheckBox::minimumSizeHint().height()};
}

QRect WrappingCheckBox::captionRect(int width) const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, width, QCheckBox::sizeHint().height());
    const QRect contents = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    return QRect(contents.left(), contents.top(), std::max(1, width - contents.left()), QWIDGETSIZE_MAX / 2);
}

int WrappingCheckBox::heightForWidth(int width) const
{
    if (!wraps(width))
        return QCheckBox::sizeHint().height();
    const QRect caption = captionRect(width);
    const int lines = fontMetrics().boundingRect(caption, CaptionFlags, text()).height();
    return std::max(QCheckBox::sizeHint().height(), caption.top() + lines + caption.top());
}

void WrappingCheckBox::paintEvent(QPaintEvent* event)
{
    if (!wraps(width())) {
        QCheckBox::paintEvent(event);
        return;
    }
    // The box and its focus frame as the style draws them, the caption wrapped beside it.
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.rect.setHeight(QCheckBox::sizeHint().height());
    style()->drawControl(QStyle::CE_CheckBox, &option, &painter, this);
    const QRect caption = captionRect(width()).intersected(rect());
    style()->drawItemText(&painter, caption, CaptionFlags, palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(caption, CaptionFlags, text()).adjusted(-1, 0, 1, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const
{
    return wraps(width()) ? rect().contains(pos) : QCheckBox::hitButton(pos);
}
