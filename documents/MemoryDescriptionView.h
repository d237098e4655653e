#pragma once

#include "DescriptionView.h"

// Nine boxes held in memory, for work without a window (the command line). Like the
// window's boxes, an assignment that changes a text marks the document changed.
class MemoryDescriptionView : public DescriptionView {
public:
    QString boxText(int box) const override;
    void setBoxText(int box, const QString& text) override;

    const Description& description() const { return m_description; }

private:
    QString& box(int index);

    Description m_description;
};
