#include "FoldView.h"

#include "DescriptionBoxes.h"
#include "FoldMeasure.h"
#include "FoldProfile.h"
#include "FoldRule.h"
#include "ListingMeter.h"
#include "SectionTextEdit.h"

#include <QLineEdit>

FoldView::FoldView(DescriptionBoxes& boxes, ListingMeter& meter) : QObject(&boxes), m_boxes(boxes), m_meter(meter)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(ListingMeter::DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &FoldView::updateNow);
}

void FoldView::scheduleUpdate()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void FoldView::previewed(PreviewTarget target)
{
    m_target = target;
    updateNow();
}

FoldRule* FoldView::ruleFor(SectionIndex section)
{
    FoldRule*& rule = m_rules[static_cast<size_t>(section)];
    if (!rule) {
        QWidget* box = m_boxes.widget(section);
        if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
            rule = new FoldRule(edit);
        else if (auto* line = qobject_cast<QLineEdit*>(box))
            rule = new FoldRule(line);
    }
    return rule;
}

void FoldView::updateNow()
{
    m_timer.stop();
    const Description description = ReadDescription(m_boxes);
    m_place = MeasureFold(description, m_target, FoldProfileAt(FoldProfileFromSettings()));
    for (FoldRule* rule : m_rules)
        if (rule)
            rule->hide();
    // The length line speaks of the fold only while something stands below it.
    const QString note = m_place.folds ? FoldMeterText(m_place) : QString();
    m_meter.setFoldNote(note);
    if (!m_place.folds)
        return;
    // The box holds line breaks as one character and may show a long line in pieces.
    const QString& text = description[m_place.section];
    int position = static_cast<int>(m_place.offset - QStringView(text).left(m_place.offset).count(u"\r\n"));
    if (auto* edit = qobject_cast<SectionTextEdit*>(m_boxes.widget(m_place.section)))
        for (int split : edit->splits())
            if (split <= position)
                ++position;
    if (FoldRule* rule = ruleFor(m_place.section))
        rule->showAt(position, note);
}
