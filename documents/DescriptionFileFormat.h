#pragma once

#include "Description.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The bytes of a .qvn file: nine CR LF lines, the marker with the title, then the eight
// sections with "<BR>" for each line break.
namespace DescriptionFileFormat {

inline constexpr int LineCount = 9;
inline const QString Marker = QStringLiteral("[[[QVN FILE]]]");
inline const QString Extension = QStringLiteral(".qvn");
// The largest file read or written, in bytes: far beyond any real description, small
// enough that the boxes stay usable with it.
inline constexpr qint64 MaxFileBytes = qint64(64) * 1024 * 1024;
// The limit as messages name it: "64 MB (67,108,864 bytes)".
QString MaxFileBytesText();

// What a file's bytes hold, as far as they go.
struct Content {
    bool recognised = false;  // line 1, trimmed of spaces, begins with the marker
    int linesRead = 0;        // lines found, at most nine; fewer means the file ended early
    Description description;  // sections whose line is missing are empty
};

Content parse(QByteArrayView bytes);
QByteArray format(const Description& description);

// The path with ".qvn" appended unless its last four characters are that, in any case.
QString withExtension(const QString& path);

} // namespace DescriptionFileFormat
