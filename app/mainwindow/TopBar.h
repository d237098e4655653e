#pragma once

#include <QHash>
#include <QRect>
#include <QWidget>

#include <vector>

// The main window's top bar: white, with the light grey band behind the title row and
// the separator lines between the button groups. Narrower than the design (large fonts on a
// small screen), its button groups wrap into rows and the title box takes the width left.
class TopBar : public QWidget {
    Q_OBJECT
public:
    explicit TopBar(QWidget* parent);

    // Lays the bar out for that width, the design's when it is as wide as the design;
    // resizes the bar and returns its height.
    int arrange(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Each child's place in the design, taken the first time the bar is arranged.
    QHash<QWidget*, QRect> m_designed;
    // Where the groups went (pixels): their left edges and rows; empty while as designed.
    std::vector<QPoint> m_groups;
    int m_rows = 1;
};
