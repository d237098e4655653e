#pragma once

#include <QBrush>
#include <QColor>
#include <QWidget>

// An unfilled rectangle drawn as a dotted line along the widget's edges; clicks go
// through it to whatever lies below.
class DottedFrame : public QWidget {
    Q_OBJECT
public:
    DottedFrame(QWidget* parent, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QBrush m_across;  // the top and bottom edges
    QBrush m_down;    // the left and right edges
};
