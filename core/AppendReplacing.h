#pragma once

#include <QString>
#include <QStringView>

// Appends text to out with every occurrence of from, taken left to right without
// overlaps, replaced by to. The generators and the file format both escape this way.
inline void AppendReplacing(QString& out, QStringView text, QStringView from, QStringView to)
{
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(from); at >= 0; at = text.indexOf(from, start)) {
        out.append(text.mid(start, at - start));
        out.append(to);
        start = at + from.size();
    }
    out.append(text.mid(start));
}
