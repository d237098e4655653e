#pragma once

#include <QAccessibleWidget>

// A container that would show to assistive tools as an unnamed filler (a frame drawn round
// a box, a row of buttons) shows as a panel of the given name instead. A panel never claims
// the keyboard focus: a row of buttons hands it on to its first button, which holds it.
class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(QWidget* widget);

    // Shows the widget as a panel of that name from now on.
    static void Show(QWidget* widget, const QString& name);

    QAccessible::State state() const override;
};
