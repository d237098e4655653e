#include "MemoryDescriptionView.h"

#include "DocumentState.h"

QString MemoryDescriptionView::boxText(int box) const
{
    return const_cast<MemoryDescriptionView*>(this)->box(box);
}

void MemoryDescriptionView::setBoxText(int index, const QString& text)
{
    QString& current = box(index);
    if (current == text)
        return;
    current = text;
    Document().DocumentDirty = true;
}

QString& MemoryDescriptionView::box(int index)
{
    Q_ASSERT(index >= 0 && index < BoxCount);
    if (index == BookTitleBox)
        return m_description.BookTitle;
    return m_description.Sections[static_cast<size_t>(index)];
}
