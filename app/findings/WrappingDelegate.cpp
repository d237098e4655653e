#include "WrappingDelegate.h"

#include <QHeaderView>
#include <QTreeView>

WrappingDelegate::WrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), m_view(view)
{
    // A column wider or narrower wraps its rows again.
    connect(view->header(), &QHeaderView::sectionResized, view, [view] { view->doItemsLayout(); });
}

QSize WrappingDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem wrapped(option);
    // A heading spans the row.
    const int width = m_view->isFirstColumnSpanned(index.row(), index.parent()) ? m_view->viewport()->width()
                                                                                  : m_view->columnWidth(index.column());
    // The style wraps only within a valid rectangle: its height does not matter.
    wrapped.rect = QRect(0, 0, width, 1);
    return QStyledItemDelegate::sizeHint(wrapped, index);
}
