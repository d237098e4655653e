#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whole-file reads and crash-safe replacement, with failures as classic run-time error
// numbers (53 File not found, 61 Disk full, ...; 0 for success).
namespace WholeFile {

struct ReadResult {
    QByteArray bytes;     // what could be read, also after a failure
    int errorNumber = 0;
};

ReadResult read(const QString& path);

// Replaces the file's content all at once through a temporary file beside it: after any
// failure the previous file is untouched and no temporary file is left. Keeps the file's
// permissions and writes through a symbolic link to its target.
int save(const QString& path, QByteArrayView bytes);

// Where in a file operation the system call failed: opening, or moving the bytes.
enum class Step { Open, Transfer };

// The run-time error number for a system error (errno) on path.
int errorNumber(int systemError, Step step, const QString& path);

} // namespace WholeFile
