#include "DescriptionView.h"

Description ReadDescription(const DescriptionView& view)
{
    Description d;
    for (int i = 0; i < SectionCount; ++i)
        d.Sections[static_cast<size_t>(i)] = view.boxText(i);
    d.BookTitle = view.boxText(BookTitleBox);
    return d;
}

void WriteDescription(DescriptionView& view, const Description& description)
{
    for (int i = 0; i < SectionCount; ++i)
        view.setBoxText(i, description.Sections[static_cast<size_t>(i)]);
    view.setBoxText(BookTitleBox, description.BookTitle);
}
