#pragma once

#include "Description.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

// A copy of unsaved changes: the description in the bytes of its own file format, behind a
// short header that names the file it belongs to, when it was written and by which
// process, and how long and what checksum the description's bytes have, so that a copy cut
// short or damaged is never taken for one.
struct RecoveryCopy {
    QString ownerPath;  // the description's file; empty for a new description
    QDateTime written;  // UTC
    QString writer;     // ProcessIdentity::name() of the editor that wrote it
    Description description;
};

namespace RecoveryCopyFormat {

// Room for the header lines: a long path, percent-encoded, fits many times over.
inline constexpr qint64 MaxHeaderBytes = 64 * 1024;

// Empty when the description's own bytes would be larger than a description file may be.
QByteArray format(const RecoveryCopy& copy);

struct Parsed {
    std::optional<RecoveryCopy> copy;
    QString fault;  // what is wrong when there is no copy: "truncated", "corrupt", ...
};
Parsed parse(QByteArrayView bytes);

// What is wrong with a copy of fileSize bytes, judged by its first bytes (MaxHeaderBytes of
// them, or all when it is shorter): its header and the length it declares. Empty when those
// are right, and only parse can tell the rest.
QString checkStart(QByteArrayView start, qint64 fileSize);

} // namespace RecoveryCopyFormat
