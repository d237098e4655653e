#pragma once

#include "FindingsModel.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

// Where a box's text shows a long line in pieces: the positions of the box's own breaks.
using BoxSplits = std::function<const std::vector<int>&()>;

// The boxes that show each section, as the findings' views reach them: a one-line section has
// its line edit and, for a long text, the field in pieces that takes its place.
class FindingBoxes : public QObject {
    Q_OBJECT
public:
    // The model's own, made on first use.
    static FindingBoxes& of(FindingsModel& model);

    void add(QWidget* box, SectionIndex section, BoxSplits splits);

    // Where the cursor stands in a box: its section, the position in the box's text, and
    // whether words are selected from there.
    struct Place {
        SectionIndex section;
        qsizetype position;
        bool selection;
    };
    std::optional<Place> placeOf(const QWidget* focus) const;

    // Puts the focus in the box that shows the finding's section, its words selected, and
    // lets a screen reader hear the finding.
    void select(const Finding& finding);

private:
    explicit FindingBoxes(FindingsModel& model);
    struct Box {
        QPointer<QWidget> widget;
        SectionIndex section;
        BoxSplits splits;
    };
    const Box* shown(SectionIndex section) const;

    FindingsModel& m_model;
    std::vector<Box> m_boxes;
};
