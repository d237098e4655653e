#pragma once

#include "Description.h"

#include <QString>

// A description of about `characters` characters of typical text: lines of some sixty
// characters with a few Western accents and currency signs, spread over the sections.
inline Description benchDescription(qsizetype characters)
{
    const QString line = QString::fromUtf8("Line of a long description, with a café, 5 € and a <i>tag</i>.\r\n");
    Description d;
    d.BookTitle = QStringLiteral("Benchmark Book");
    const qsizetype perSection = characters / SectionCount;
    for (QString& section : d.Sections) {
        section.reserve(perSection + line.size());
        while (section.size() + line.size() <= perSection)
            section += line;
    }
    d[Headline] = QStringLiteral("A Headline");  // single-line sections stay short, as typed
    d[Subheadline] = QStringLiteral("   ");
    return d;
}

inline qsizetype textSize(const Description& d)
{
    qsizetype size = d.BookTitle.size();
    for (const QString& section : d.Sections)
        size += section.size();
    return size;
}
