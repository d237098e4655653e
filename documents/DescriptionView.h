#pragma once

#include "Description.h"

#include <QtGlobal>
#include <QString>

// The nine boxes of the open description as the file procedures and the document
// commands reach them: sections 0 to 7, then the title box (BookTitleBox). Texts cross
// this interface with their line breaks as CR LF. The main window implements it; an
// assignment that changes a box's text marks the document changed, as typing does.
class DescriptionView {
public:
    virtual ~DescriptionView() = default;

    virtual QString boxText(int box) const = 0;
    virtual void setBoxText(int box, const QString& text) = 0;

    // Handle of the window that owns the document's dialogs (0 when there is none).
    virtual quintptr ownerWindowHandle() const { return 0; }
};

// The nine boxes as a Description, and back (sections 0 to 7 first, then the title).
Description ReadDescription(const DescriptionView& view);
void WriteDescription(DescriptionView& view, const Description& description);
