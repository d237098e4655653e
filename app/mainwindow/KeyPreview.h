#pragma once

#include <QObject>

class QWidget;

// Lets a window see the release of F1 before its controls do, whichever of them has the
// focus, and whichever controls it gains later.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    explicit KeyPreview(QWidget* window);
    ~KeyPreview() override;

signals:
    void f1Released();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};
