#include "BoundedRead.h"

#include <cerrno>
#include <unistd.h>

int ReadBounded(int fd, qint64 sizeHint, qint64 maxBytes, QByteArray& bytes)
{
    // One byte more than the hint lets the read that finds the end happen without growing.
    const qint64 cap = maxBytes + 1;
    bytes.resize(static_cast<qsizetype>(qMin<qint64>(sizeHint + 1, cap)));
    qsizetype filled = 0;
    int error = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled == cap)
                break;
            bytes.resize(static_cast<qsizetype>(qMin<qint64>(filled + qMax<qsizetype>(4096, filled / 2), cap)));
        }
        const ssize_t n = ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        filled += n;
    }
    bytes.truncate(filled);
    return error;
}
