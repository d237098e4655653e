#pragma once

#include <QObject>

class QWidget;

// Whether a window shows where the keyboard focus is from the moment it opens. A window
// opened by a key (or at start, before anything was pressed) shows it at once, as it
// would after a Tab; one opened by a click shows it from the first Tab on.
class KeyboardCue : public QObject {
    Q_OBJECT
public:
    // From now on the user's presses are watched; once is enough, as early as possible.
    static void WatchInput();
    // Called while the window is being made, right after the press that opened it. The
    // window shows the focus from its first focus on, until the user clicks in it.
    static void ShowIfOpenedByKey(QWidget* window);
    static bool LastPressWasKey();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
