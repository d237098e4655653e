#pragma once

#include <QDialog>
#include <QString>

class CandyButton;
class QPushButton;

// The start dialog: a new description, one saved earlier, or the last one worked on.
// It closes once a document exists; the caller reads the outcome from Document().
class frmOnLoad : public QDialog {
    Q_OBJECT
public:
    explicit frmOnLoad(QWidget* owner);

    CandyButton* cmdNew() const { return m_cmdNew; }
    CandyButton* cmdOpen() const { return m_cmdOpen; }
    CandyButton* cmdOpenRecent() const { return m_cmdOpenRecent; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }

    void cmdNew_Click();
    void cmdOpen_Click();
    void cmdOpenRecent_Click();
    void cmdCancel_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();

    QString m_recentFileName;
    QString m_recentPath;
    CandyButton* m_cmdNew = nullptr;
    CandyButton* m_cmdOpen = nullptr;
    CandyButton* m_cmdOpenRecent = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
