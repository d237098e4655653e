#pragma once

#include <QAccessibleWidget>

class QTextBrowser;

// The help's page to a screen reader: a document that can be read through, line by line and
// word by word, where Qt would show a read-only browser as a label.
class HelpPageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HelpPageAccessible(QTextBrowser* page);

    // From now on every help page shows so.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    using QAccessibleWidget::text;

private:
    QTextBrowser* page() const;
};
