#pragma once

#include "FoldPlace.h"
#include "PreviewPage.h"

#include <QObject>
#include <QTimer>

#include <array>

class DescriptionBoxes;
class FoldRule;
class ListingMeter;

// Where the store's page folds the description, shown in the editor: a rule in the box where the
// fold falls and a word on the length line. It follows the Kindle fragment, or the print fragment
// while that was the last one previewed, on the kind of page the settings choose; and it measures
// only once a box has changed, a moment later, like the length line.
class FoldView : public QObject {
    Q_OBJECT
public:
    FoldView(DescriptionBoxes& boxes, ListingMeter& meter);

    void scheduleUpdate();
    void updateNow();
    // A preview of that fragment has closed: follow it, and the kind of page it may have changed.
    void previewed(PreviewTarget target);

    const FoldPlace& lastPlace() const { return m_place; }

private:
    FoldRule* ruleFor(SectionIndex section);

    DescriptionBoxes& m_boxes;
    ListingMeter& m_meter;
    QTimer m_timer;
    PreviewTarget m_target = PreviewTarget::Kindle;
    FoldPlace m_place;
    std::array<FoldRule*, SectionCount> m_rules{};
};
