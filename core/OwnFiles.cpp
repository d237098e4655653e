#include "OwnFiles.h"

#include "BoundedRead.h"
#include "FileDescriptor.h"
#include "OneLineText.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace OwnFiles {

namespace {

// Deeper than anything we make: a tree deeper than that is not ours.
constexpr int MostDepth = 16;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Empties the folder open as fd, depth levels below the one asked for.
bool emptyFolder(int fd, int depth)
{
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    bool all = true;
    while (dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            all = false;
            continue;
        }
        if (!S_ISDIR(info.st_mode)) {
            all = ::unlinkat(::dirfd(dir), name, 0) == 0 && all;
            continue;
        }
        // O_NOFOLLOW: a folder swapped for a link since the look above is not entered.
        const int inner = ::openat(::dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat opened {};
        if (inner < 0 || depth >= MostDepth || ::fstat(inner, &opened) != 0 || opened.st_uid != ::geteuid()) {
            if (inner >= 0)
                ::close(inner);
            all = false;
            continue;
        }
        all = emptyFolder(inner, depth + 1) && ::unlinkat(::dirfd(dir), name, AT_REMOVEDIR) == 0 && all;
    }
    ::closedir(dir);
    return all;
}

} // namespace

Kind KindOf(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return Kind::Missing;
    if (S_ISLNK(info.st_mode))
        return Kind::Link;
    if (S_ISDIR(info.st_mode))
        return Kind::Folder;
    return S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

ReadResult Read(const QString& path, qint64 maxBytes, Links links)
{
    ReadResult result;
    const int noFollow = links == Links::Refuse ? O_NOFOLLOW : 0;
    const FileDescriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | noFollow | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            result.missing = true;
        else
            result.fault = errno == ELOOP ? QStringLiteral("a link, not a file") : systemError(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.fault = systemError(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.fault = S_ISDIR(info.st_mode) ? QStringLiteral("a folder, not a file") : QStringLiteral("not a regular file");
        return result;
    }
    if (info.st_size > maxBytes) {
        result.fault = QStringLiteral("larger than %1 bytes").arg(maxBytes);
        return result;
    }
    if (const int error = ReadBounded(fd.get(), info.st_size, maxBytes, result.bytes))
        result.fault = systemError(error);
    if (result.fault.isEmpty() && result.bytes.size() > maxBytes)
        result.fault = QStringLiteral("larger than %1 bytes").arg(maxBytes);
    if (!result.fault.isEmpty())
        result.bytes.clear();
    result.bytes.squeeze();
    return result;
}

bool Remove(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(info.st_mode))
        return ::unlink(name.constData()) == 0;
    FileDescriptor fd(::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0 || opened.st_uid != ::geteuid())
        return false;
    return emptyFolder(fd.release(), 0) && ::rmdir(name.constData()) == 0;
}

bool MakeFolder(const QString& path, int mode)
{
    const QString clean = QFileInfo(path).absoluteFilePath();
    const QByteArray name = QFile::encodeName(clean);
    // Private until its mode is set; without a mode, as any program makes one, under the umask.
    const mode_t first = mode >= 0 ? 0700 : 0777;
    bool made = ::mkdir(name.constData(), first) == 0;
    if (!made && errno == ENOENT) {
        const QString parent = QFileInfo(clean).path();
        if (parent == clean || !MakeFolder(parent, -1))
            return false;
        made = ::mkdir(name.constData(), first) == 0;
    }
    // The umask may have taken bits away; a folder made here is ours to set.
    if (made && mode >= 0)
        ::chmod(name.constData(), static_cast<mode_t>(mode));
    return KindOf(clean) == Kind::Folder;
}

QString Replace(const QString& path, const QByteArray& bytes)
{
    QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
    const FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return systemError(errno);
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    int error = 0;
    while (left > 0 && error == 0) {
        const ssize_t n = ::write(fd.get(), p, static_cast<size_t>(left));
        if (n < 0 && errno != EINTR)
            error = errno;
        if (n > 0) {
            p += n;
            left -= n;
        }
    }
    if (error == 0 && ::fsync(fd.get()) != 0 && errno != EINVAL)
        error = errno;
    // rename() puts the new file in the name's place, whatever stood there, a link included.
    if (error == 0 && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return systemError(error);
    }
    return {};
}

void Note(const QString& path, const QString& what)
{
    const QByteArray line = (QStringLiteral("quorvane: ") + OneLineText(path) + QStringLiteral(": ") + what +
                             QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    std::fflush(stderr);
}

} // namespace OwnFiles
