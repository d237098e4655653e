#pragma once

#include <QLabel>

// A one-line link: its caption underlined in the link colour, reached by Tab, opened by a
// click, Enter or Space, and shown to assistive tools as a link. Opening it emits
// linkActivated with the caption.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& caption, QWidget* parent);

    // Opens the link as a click would.
    void activate();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

// Lets Qt's accessibility find the link's interface; safe to call more than once.
void InstallLinkLabelAccessibility();
