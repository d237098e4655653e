#pragma once

#include "FindingsModel.h"

#include <QWidget>

#include <optional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The findings in a window beside the editor that follows the text: one row a finding,
// grouped by box, with the words, what is wrong and what to do instead. Enter or a double
// click on a row takes the focus to the words in their box.
class FindingsList : public QWidget {
    Q_OBJECT
public:
    FindingsList(QWidget* owner, FindingsModel& model);

    // The owner's list, made on the first call, shown beside it and raised.
    static FindingsList* showFor(QWidget* owner, FindingsModel& model);

    QTreeWidget* tree() const { return m_tree; }
    QLabel* status() const { return m_status; }

    // More rows than a window can usefully show are summed up in a last one.
    static constexpr int MostRows = 200;

signals:
    void settingsRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refill();
    void follow(QTreeWidgetItem* item);
    void placeBesideOwner();

    FindingsModel& m_model;
    QLabel* m_status;
    QTreeWidget* m_tree;
    std::optional<Finding> m_current;  // the finding of the current row, as it was listed
};
