#include "AttachFindings.h"

#include "FindingMarks.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include <limits>

void attachFindings(QWidget* box, FindingsModel& model, SectionIndex section, BoxSplits splits, EditorSettings& settings)
{
    new FindingMarks(box, model, section, std::move(splits), settings);
}

bool goToNeighbour(FindingsModel& model, bool forward)
{
    // Typed a moment ago: the findings are those of the text now.
    model.flush();
    const std::optional<FindingBoxes::Place> place = FindingBoxes::of(model).placeOf(QApplication::focusWidget());
    // From outside the boxes: the first finding, or the last.
    const FindingBoxes::Place from = place ? *place
                                     : FindingBoxes::Place{forward ? Headline : CreateSpaceCallToAction,
                                                           forward ? -1 : std::numeric_limits<qsizetype>::max(), false};
    const std::optional<Finding> finding = model.neighbour(from.section, from.position, from.selection, forward);
    if (!finding)
        return false;
    FindingBoxes::of(model).select(*finding);
    return true;
}

void addFindingKeys(QWidget* window, FindingsModel& model)
{
    for (const bool forward : {true, false}) {
        auto* key = new QShortcut(QKeySequence(forward ? QKeyCombination(Qt::Key_F8) : QKeyCombination(Qt::SHIFT | Qt::Key_F8)),
                                  window);
        QObject::connect(key, &QShortcut::activated, window, [&model, forward] { goToNeighbour(model, forward); });
    }
}
