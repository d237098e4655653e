#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The new-description wizard: asks for the book's title and the two start-up choices,
// and on OK starts the new description (StartNewDescription). The choices are read
// from the settings when it opens and stored whenever it closes, OK or not.
class frmNew : public QDialog {
    Q_OBJECT
public:
    explicit frmNew(QWidget* owner = nullptr);

    void done(int result) override;

private:
    void txtTitle_Change();
    void cmdOK_Click();

    QLineEdit* txtTitle;
    QCheckBox* chkUseTitle;
    QCheckBox* chkPrePopulate;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};
