#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// The window shown while the main window loads: the program's name, version and copyright
// on the same picture as the About window. No buttons and no input of its own.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    // extraFlags join the window's own before it is first shown.
    explicit frmSplash(QWidget* owner, Qt::WindowFlags extraFlags = {});

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();

    QPixmap m_background;
};
