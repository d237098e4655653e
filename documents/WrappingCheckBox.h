#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto further lines where the window cannot be as wide as
// the caption's one line (large fonts on a narrow screen); as wide as that, it is a check
// box like any other.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    WrappingCheckBox(const QString& text, QWidget* parent);

    // The widest it asks to be; the caption wraps within it.
    void setWidestHint(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    bool wraps(int width) const { return width < QCheckBox::sizeHint().width(); }
    // Where the caption goes in a box of that width.
    QRect captionRect(int width) const;

    int m_widest = QWIDGETSIZE_MAX;
};
