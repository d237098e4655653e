#pragma once

#include "ContentChecker.h"
#include "ListingCheck.h"

#include <QLabel>
#include <QTimer>

class DescriptionView;

// One line under the last section: both fragments' lengths against the store's limit, the
// number of tag findings and, apart, of content findings (the store's content rules the
// settings leave on), in a warning colour when something needs the author's eye;
// the findings themselves in its tooltip and, for a screen reader, in its description. Tab
// reaches it after the last box.
class ListingMeter : public QLabel {
    Q_OBJECT
public:
    ListingMeter(QWidget* parent, const DescriptionView& view);

    // A box changed. The meter follows a moment later, once for a whole burst of typing, so
    // that a long description costs no check per keystroke.
    void scheduleUpdate();
    // Checks the description now.
    void updateNow();

    // What the length line says of the fold ("fold in OPENING REMARKS, line 2"); empty for none.
    void setFoldNote(const QString& note);

    const ListingCheck& lastCheck() const { return m_check; }
    bool warns() const { return !m_check.clean(); }
    // The content rules it applies, read from the settings when it was made; the copy
    // message applies the same.
    ContentRuleSet contentRules() const { return m_content.rules(); }

    // The free band below the last section frame, in the window's pixels.
    static QRect placement();

    static constexpr int DelayMs = 150;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DescriptionView& m_view;
    QTimer m_timer;
    // Checks again only the lines typed into since the last update.
    ContentChecker m_content;
    ListingCheck m_check;
    QString m_foldNote;
};
