#pragma once

#include <QObject>

// While it lives, the program's own windows take no input, as under a modal window:
// mouse, keys, wheel, drops and the window manager's close requests are dropped (only
// the mouse leaving still gets through). Used while a window of another process (the
// preview helper) stands in for a modal one.
class InputBlocker : public QObject {
    Q_OBJECT
public:
    InputBlocker();
    ~InputBlocker() override;
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
