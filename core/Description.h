#pragma once

#include <QString>

#include <array>

// Index of a section box, in document order.
enum SectionIndex : int {
    Headline = 0,
    Subheadline = 1,
    OpeningRemarks = 2,
    BenefitsHeadline = 3,
    MainBenefits = 4,
    ClosingRemarks = 5,
    KindleCallToAction = 6,
    CreateSpaceCallToAction = 7,
};

inline constexpr int SectionCount = 8;
// The title box is the ninth box after the eight sections.
inline constexpr int BookTitleBox = 8;
inline constexpr int BoxCount = 9;

// What the program knows about each section: its label, its box and where it goes.
struct SectionInfo {
    SectionIndex index;
    const char* name;          // "Headline", ...
    const char* caption;       // label above the box, with its blanks: " HEADLINE "
    bool multiLine;            // multi-line with a vertical scroll bar
    double pointSize;          // Verdana
    bool bold;
    bool orange;               // RGB(255, 128, 0) text
    bool inKindle;
    bool inCreateSpace;
};

extern const std::array<SectionInfo, SectionCount> SectionTable;

// The book title and the eight sections; line breaks are held as CR LF.
struct Description {
    QString BookTitle;
    std::array<QString, SectionCount> Sections;

    QString& operator[](SectionIndex i) { return Sections[static_cast<size_t>(i)]; }
    const QString& operator[](SectionIndex i) const { return Sections[static_cast<size_t>(i)]; }

    bool operator==(const Description&) const = default;
};
