#pragma once

#include "ContentCheck.h"
#include "ControlCharacters.h"
#include "Description.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>

// What the store's description field will make of a fragment: whether it fits the field's
// length limit, and whether the tags the author typed into a section are ones the store
// keeps and are properly paired within that section (within each line, where every line
// becomes an element of its own, and there no line may be empty). The generators' own
// markup is never looked at: only each section's text as typed. Beside the markup, the
// store's content rules (ContentCheck.h) over the same sections and lines.

// The field counts UTF-16 code units, markup included.
inline constexpr qsizetype ListingLengthLimit = 4000;

enum class ListingTarget { Kindle, CreateSpace };

enum class TagProblem {
    NotAccepted,        // the store strips or shows it
    NotOpened,          // a closing tag with no opening one before it
    LeftOpen,           // still open where the section ends
    MisNested,          // closes a tag while one opened inside it is still open
    Unfinished,         // "<b" with no ">" before the section ends: it would swallow the markup after it
    BrokenByLineBreak,  // a line break inside the tag, which the generator turns into markup of its own
    OpenAtLineEnd,      // still open where its line, an element of its own, ends: it would cross elements
    EmptyLine,          // a line with nothing on it, which becomes an empty element (an empty bullet)
};

struct TagFinding {
    SectionIndex section;
    TagProblem problem;
    QString name;   // the tag's name in lower case, without brackets
    QString inner;  // MisNested: the tag still open inside it
    int line = 0;   // OpenAtLineEnd, EmptyLine: the line, counted from 1
    // The characters it is about in the section's text (CR LF breaks): the tag itself, the
    // opening tag of one left open, the empty line; what the box marks.
    qsizetype start = 0;
    qsizetype length = 0;

    bool operator==(const TagFinding&) const = default;
};

// The tag findings of one section's text, in the order they occur, tags left open at its end
// last; then, in a section whose lines become elements, its empty lines.
QList<TagFinding> CheckSectionTags(SectionIndex section, QStringView text);

struct FragmentCheck {
    ListingTarget target = ListingTarget::Kindle;
    qsizetype length = 0;  // of the fragment exactly as copied
    QList<TagFinding> findings;
    QList<ControlCharacterFinding> controlCharacters;
    QList<ContentFinding> contentFindings;  // the first ones of each section
    qsizetype contentFindingCount = 0;      // all of them

    bool fits() const { return length <= ListingLengthLimit; }
    bool clean() const
    {
        return fits() && findings.isEmpty() && controlCharacters.isEmpty() && contentFindings.isEmpty();
    }
};

struct ListingCheck {
    FragmentCheck kindle;
    FragmentCheck createSpace;
    // Each section's findings once, whichever fragments the section goes into.
    QList<TagFinding> tagFindings;
    QList<ControlCharacterFinding> controlCharacterFindings;
    QList<ContentFinding> contentFindings;  // the first ones of each section
    qsizetype contentFindingCount = 0;      // all of them
    std::array<qsizetype, SectionCount> sectionContentCounts{};

    bool clean() const { return kindle.clean() && createSpace.clean(); }
};

// Whether the section's text goes into the target's fragment.
bool SectionGoesInto(SectionIndex section, ListingTarget target);

FragmentCheck CheckFragment(const Description& description, ListingTarget target,
                            ContentRuleSet rules = ContentRuleSet::all());
ListingCheck CheckListing(const Description& description, ContentRuleSet rules = ContentRuleSet::all());
// With the content findings already made (by a ContentChecker that follows the typing).
ListingCheck CheckListing(const Description& description, const SectionContentFindings& content);
