#pragma once

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
    QColor m_colour;
};
