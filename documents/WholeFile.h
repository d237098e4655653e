#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whole-file reads and crash-safe replacement, with failures as classic run-time error
// numbers (53 File not found, 61 Disk full, ...; 0 for success).
namespace WholeFile {

struct ReadResult {
    QByteArray bytes;       // what could be read, also after a failure
    int errorNumber = 0;
    bool tooLarge = false;  // more than the limit: nothing was kept
};

// Reads a regular file of at most maxBytes. Anything else named by path (a folder, a
// FIFO, a device, a socket) is refused without waiting for it, as a path/file access
// error; a file found larger than maxBytes is refused before its contents are read, and
// one that grows past it while being read stops there.
ReadResult read(const QString& path, qint64 maxBytes);

// The first count bytes of a regular file (fewer when it is shorter), and its size in size:
// enough to judge a large file by before reading it whole. Refuses what read refuses.
ReadResult readStart(const QString& path, qint64 count, qint64& size);

// Whether size bytes are more than limit allows: the one place both directions count.
inline bool exceedsLimit(qint64 size, qint64 limit) { return size > limit; }

// Replaces the file's content all at once through a temporary file beside it: after any
// failure the previous file is untouched and no temporary file is left. Keeps the file's
// permissions and writes through a symbolic link to its target; a link that leads round
// in a loop is an access error and stays as it is.
int save(const QString& path, QByteArrayView bytes);

// Where in a file operation the system call failed: opening, or moving the bytes.
enum class Step { Open, Transfer };

// The run-time error number for a system error (errno) on path.
int errorNumber(int systemError, Step step, const QString& path);

} // namespace WholeFile
