#pragma once

#include <QWidget>

// The main window's top bar: white, with the light grey band behind the title row and
// the separator lines between the button groups.
class TopBar : public QWidget {
    Q_OBJECT
public:
    explicit TopBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
