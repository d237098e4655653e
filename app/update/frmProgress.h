#pragma once

#include <QDialog>

class QLabel;

// "Downloading Update, please wait.": shown while the installer downloads. No buttons,
// and it cannot be cancelled or closed by the user.
class frmProgress : public QDialog {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* owner);

    // Shows the window and paints it at once, before the download blocks.
    void Load();

    QLabel* lblProgress() const { return m_lblProgress; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_lblProgress = nullptr;
};
