#pragma once

#include "FindingsModel.h"

#include <QLabel>

// One line under the last section: both fragments' lengths against the store's limit (and by
// how much one is over), the number of tag findings and, apart, of content findings, and how
// many content rules are off, in a warning colour when something needs the author's eye; the
// findings themselves in its tooltip and, for a screen reader, in its description. A view of
// the findings model. Tab reaches it after the last box; a click or Enter opens the list.
class ListingMeter : public QLabel {
    Q_OBJECT
public:
    ListingMeter(QWidget* parent, FindingsModel& model);

    FindingsModel& model() const { return m_model; }
    // A box changed: the model follows a moment later, once for a whole burst of typing.
    void scheduleUpdate() { m_model.scheduleUpdate(); }
    void updateNow() { m_model.updateNow(); }
    // The description was saved: "Saved" shows at the line's end for a few seconds, beside
    // the figures, which stay as they are.
    void showSaved();
    bool showsSaved() const { return m_saved.isActive(); }

    // What the length line says of the fold ("fold in OPENING REMARKS, line 2"); empty for none.
    void setFoldNote(const QString& note);

    const ListingCheck& lastCheck() const { return m_model.check(); }
    bool warns() const { return !m_model.check().clean(); }
    // The content rules applied; the copy message applies the same.
    ContentRuleSet contentRules() const { return m_model.rules(); }

    // The free band below the last section frame, in the window's pixels.
    static QRect placement();

    static constexpr int DelayMs = FindingsModel::DelayMs;
    static constexpr int SavedMs = 4000;

signals:
    // Clicked, or Enter while it has the focus: the author wants the findings list.
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCheck();

    FindingsModel& m_model;
    QString m_foldNote;
    QTimer m_saved;
};
