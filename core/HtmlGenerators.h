#pragma once

#include "Description.h"

#include <QList>
#include <QString>
#include <QStringView>

// The two HTML fragments that the store description fields take, built from the sections
// as typed: nothing is escaped, so tags the author types reach the page unchanged.

// Sections 0 to 6 with H2 headings, always ending in "<BR><BR>".
QString GenerateKindleHTML(const Description& description);
// Sections 0 to 5 and 7, bold instead of headings; section 6 contributes nothing.
QString GenerateCreatespaceHTML(const Description& description);

// What the Kindle fragment always ends with, even when every section is blank.
inline constexpr QStringView KindleFragmentEnding = u"<BR><BR>";

// Whether the generators skip a section: nothing in it but U+0020 blanks.
bool IsBlankSection(QStringView text);

// Where a section's text stands in a fragment: from start to end, with each of its CR LFs
// turned into lineBreak there (passed through when that is empty). Sections the fragment
// leaves out are not listed.
struct FragmentSection {
    SectionIndex section;
    qsizetype start;
    qsizetype end;
    QStringView lineBreak;
};
QList<FragmentSection> FragmentSections(const Description& description, bool kindle);
// The offset in the section's own text of what stands at a fragment offset inside its piece.
qsizetype SectionTextOffset(const QString& text, const FragmentSection& piece, qsizetype fragmentOffset);

// Whether each line of the section becomes an element of its own (a list item) rather than
// being joined to the next by a line break.
bool LinesBecomeElements(SectionIndex section);
