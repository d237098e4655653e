#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The release notes of an update, with "Get Update" and "Close". Reads UpdateNotes and
// sets UpdateChosen when the update is taken.
class frmUpdateAvailable : public QDialog {
    Q_OBJECT
public:
    explicit frmUpdateAvailable(QWidget* owner);

    QPlainTextEdit* Text1() const { return m_text1; }
    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }

    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void createControls();

    QPlainTextEdit* m_text1 = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
