#pragma once

#include <QStyledItemDelegate>

class QTreeView;

// Rows as high as their text wrapped to the width of its column: a tree view asks its
// delegate for a row's height without telling it the column's width.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView* view);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QTreeView* m_view;
};
