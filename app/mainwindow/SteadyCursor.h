#pragma once

#include <QObject>

class QLineEdit;

// A one-line box whose text is too long to lay out at a glance keeps its cursor steady while
// it has the focus: every blink would lay out and draw the whole line again, and a box of
// megabytes would keep a core busy doing nothing. Shorter texts blink as the desktop says.
class SteadyCursor : public QObject {
    Q_OBJECT
public:
    // Watches edit for as long as it lives.
    explicit SteadyCursor(QLineEdit* edit);
    ~SteadyCursor() override;

    // From this many characters on the cursor stays steady.
    static constexpr qsizetype SteadyFrom = 4096;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    void hold(bool steady);

    QLineEdit* m_edit;
    int m_desktopFlashTime = -1;  // while held: the blink the desktop asked for
};
