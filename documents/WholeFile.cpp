#include "WholeFile.h"

#include "BoundedRead.h"
#include "FileDescriptor.h"
#include "RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace WholeFile {

namespace {

// Writes everything or returns the errno of the write that failed.
int writeAll(int fd, QByteArrayView bytes)
{
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += n;
        left -= n;
    }
    return 0;
}

} // namespace

int errorNumber(int systemError, Step step, const QString& path)
{
    switch (systemError) {
    case 0:
        return 0;
    case ENOENT:
        // A missing file in an existing folder, or a missing folder.
        return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? ErrorNumber::FileNotFound
                                                                 : ErrorNumber::PathNotFound;
    case ENOTDIR:
        return ErrorNumber::PathNotFound;
    case EACCES:
    case EPERM:
        return ErrorNumber::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ErrorNumber::DiskFull;
    case EIO:
        return ErrorNumber::DeviceIOError;
    default:
        return step == Step::Open ? ErrorNumber::PathFileAccessError : ErrorNumber::DeviceIOError;
    }
}

namespace {
// A regular file opened for reading, or -1 and the error that refused it.
int openRegular(const QString& path, struct stat& info, ReadResult& result)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        result.errorNumber = errorNumber(errno, Step::Open, path);
        return -1;
    }
    if (::fstat(fd.get(), &info) != 0) {
        result.errorNumber = errorNumber(errno, Step::Open, path);
        return -1;
    }
    // Only a regular file has an end and a size known beforehand.
    if (!S_ISREG(info.st_mode)) {
        result.errorNumber = ErrorNumber::PathFileAccessError;
        return -1;
    }
    return fd.release();
}
} // namespace

ReadResult read(const QString& path, qint64 maxBytes)
{
    ReadResult result;
    struct stat info {};
    const FileDescriptor fd(openRegular(path, info, result));
    if (fd.get() < 0)
        return result;
    if (exceedsLimit(info.st_size, maxBytes)) {
        result.tooLarge = true;
        return result;
    }
    if (const int error = ReadBounded(fd.get(), info.st_size, maxBytes, result.bytes))
        result.errorNumber = errorNumber(error, Step::Transfer, path);
    if (exceedsLimit(result.bytes.size(), maxBytes)) {
        result.bytes.clear();
        result.tooLarge = true;
    }
    return result;
}

ReadResult readStart(const QString& path, qint64 count, qint64& size)
{
    ReadResult result;
    struct stat info {};
    size = 0;
    const FileDescriptor fd(openRegular(path, info, result));
    if (fd.get() < 0)
        return result;
    size = info.st_size;
    if (const int error = ReadBounded(fd.get(), qMin<qint64>(info.st_size, count), count - 1, result.bytes))
        result.errorNumber = errorNumber(error, Step::Transfer, path);
    return result;
}

int save(const QString& path, QByteArrayView bytes)
{
    // QSaveFile gives no system error of its own for a folder in the way.
    if (QFileInfo(path).isDir())
        return errorNumber(EISDIR, Step::Open, path);
    // A link that leads round in a loop would otherwise be replaced by a plain file.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ELOOP)
        return errorNumber(ELOOP, Step::Open, path);

    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // No errno: QSaveFile refused an existing file it may not write.
        return errorNumber(errno != 0 ? errno : EACCES, Step::Open, path);
    }
    // The bytes go straight to the temporary file, so a failed write keeps its own error
    // (a full disk is ENOSPC here, where commit() would only say "Unknown error").
    if (const int error = writeAll(file.handle(), bytes)) {
        file.cancelWriting();
        return errorNumber(error, Step::Transfer, path);
    }
    // QSaveFile ignores a failed flush to the disk; a file that may not be on the disk must
    // not replace the old one (file systems that cannot sync say EINVAL).
    if (::fdatasync(file.handle()) != 0 && errno != EINVAL) {
        const int error = errno;
        file.cancelWriting();
        return errorNumber(error, Step::Transfer, path);
    }
    errno = 0;
    if (!file.commit())
        return errorNumber(errno != 0 ? errno : EIO, Step::Transfer, path);
    return 0;
}

} // namespace WholeFile
