#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: the program's name, version and copyright, the maker's contact
// details and a licence note. Modal to the main window; OK closes it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void Form_Load();
    void Label6_Click();
    void Label7_Click();
};
