#pragma once

#include "Description.h"
#include "DescriptionView.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class OneLineBox;
class QWidget;

// The main window's nine text boxes: the eight sections, then the read-only title box.
// The widgets hold line breaks as Qt's text widgets do; the document side speaks CR LF.
class DescriptionBoxes : public QObject, public DescriptionView {
    Q_OBJECT
public:
    // Sections go on sectionParent, the title box on titleParent.
    DescriptionBoxes(QWidget* sectionParent, QWidget* titleParent);

    QString boxText(int box) const override;
    void setBoxText(int box, const QString& text) override;
    quintptr ownerWindowHandle() const override;

    QWidget* widget(int box) const { return m_widgets[static_cast<size_t>(box)]; }
    // What shows a one-line box's text while it is too long for the box's line edit; nullptr
    // for the other boxes. widget(box) hands the focus on to it.
    QWidget* longForm(int box) const;

    // The nine texts as they are now, turned into document text only when the result is
    // called, on any thread: taking them costs nine shared strings however long they are,
    // and reading back the boxes that changed since the last time, once each.
    std::function<Description()> laterDescription() const;

    // What a box is called to assistive tools: its caption in normal letter case without the
    // padding ("Call to action for Kindle book"), the title box "Book Title".
    static QString accessibleNameOf(int box);

    // A widget's text as the document holds it, and back.
    static QString toDocumentText(QString widgetText);
    static QString toWidgetText(QString documentText);

signals:
    // The text of a box differs from what it was: typed or assigned.
    void changed(int box);

private:
    QWidget* createSectionBox(QWidget* parent, const SectionInfo& section);
    QWidget* createTitleBox(QWidget* parent);
    QString widgetText(int box) const;
    // What the box holds now, read back only if it changed since it was last read.
    const QString& seen(int box) const;
    void noteEdit(int box);

    // The one-line section boxes, which change form with the length of their text.
    std::array<OneLineBox*, BoxCount> m_lines{};

    std::array<QWidget*, BoxCount> m_widgets{};
    // The last text each box was seen holding, so that only a real change counts. Never
    // read directly: a box that reported a change without being read back is stale here.
    mutable std::array<QString, BoxCount> m_seen;
    // Whether a box has changed since m_seen was last read from it.
    mutable std::array<bool, BoxCount> m_seenStale{};
};
