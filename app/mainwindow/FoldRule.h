#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

// A thin line drawn over a section box where the store's page folds the description: under the
// last words above the fold and over the first below, stepping between them when the fold falls
// inside a line of the box. It takes no input; a screen reader hears where the fold is.
class FoldRule : public QWidget {
    Q_OBJECT
public:
    // Over an edit's viewport or over a line edit.
    explicit FoldRule(QPlainTextEdit* edit);
    explicit FoldRule(QLineEdit* edit);

    // Before the character at position of the box's text as the widget holds it.
    void showAt(int position, const QString& said);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUp(QWidget* host);
    // The fold's character: its left edge, and the top and bottom of its line.
    QRect characterBox() const;

    QPlainTextEdit* m_edit = nullptr;
    QLineEdit* m_line = nullptr;
    int m_position = 0;
};
