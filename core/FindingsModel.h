#pragma once

#include "ContentChecker.h"
#include "ListingCheck.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <span>

// One finding of the listing check where the author can get to it.
struct Finding {
    enum class Kind { Markup, Content, ControlCharacter };
    SectionIndex section = Headline;
    Kind kind = Kind::Markup;
    // The words in the box's text, each line break one character as the text boxes count
    // them, in UTF-16 code units; -1 for a finding that has no place (a control character
    // counted over the whole section).
    qsizetype start = -1;
    qsizetype length = 0;
    int index = 0;  // into the check's tagFindings, contentFindings or controlCharacterFindings

    bool hasPlace() const { return start >= 0; }
    bool operator==(const Finding&) const = default;
};

// The description's findings, kept up to date as it changes: markup and control characters
// from the listing check, the content rules from a checker that looks again only at the lines
// that changed. The length line, the marks in the boxes, the list and the keys that go from
// finding to finding are views of this one model; none checks anything itself.
class FindingsModel : public QObject {
    Q_OBJECT
public:
    using Reader = std::function<Description()>;
    FindingsModel(Reader read, ContentRuleSet rules, QObject* parent = nullptr);

    // A box changed: the model follows a moment later, once for a burst of typing.
    void scheduleUpdate();
    // Checks the description now.
    void updateNow();
    // Checks it now if a change is still waiting to be checked.
    void flush();

    const ListingCheck& check() const { return m_check; }
    ContentRuleSet rules() const { return m_rules; }
    // Checks again with these rules at once.
    void setRules(ContentRuleSet rules);
    // How many of the content rules are off.
    int rulesOff() const;

    // Section by section, each in the order of its words; those without a place last.
    const QList<Finding>& findings() const { return m_findings; }
    std::span<const Finding> findingsIn(SectionIndex section) const;
    // The finding whose words hold or touch the position, when there is one.
    std::optional<Finding> findingAt(SectionIndex section, qsizetype position) const;
    // The next finding after a place in a section (or the previous one before it), in the
    // order of the sections, wrapping at the ends; with `strict` a finding that starts at the
    // position itself does not count as next. Nothing when no finding has a place.
    std::optional<Finding> neighbour(SectionIndex section, qsizetype position, bool strict, bool forward) const;

    // "OPENING REMARKS, line 2: ..." as the length line's tooltip says it.
    QString text(const Finding& finding) const;
    // What is wrong, without the section: "is a web address", "<b> is not closed".
    QString what(const Finding& finding) const;
    // What to do instead, in one sentence.
    QString advice(const Finding& finding) const;
    // The words as typed, on one line.
    QString words(const Finding& finding) const;
    std::optional<ContentRule> rule(const Finding& finding) const;

    static constexpr int DelayMs = 150;

signals:
    // The findings or the check changed.
    void updated();

private:
    void place();

    Reader m_read;
    Description m_description;  // as last checked
    ContentRuleSet m_rules;
    ContentChecker m_content;
    ListingCheck m_check;
    QList<Finding> m_findings;
    std::array<qsizetype, SectionCount + 1> m_sectionStart{};  // into m_findings
    QTimer m_timer;
};
