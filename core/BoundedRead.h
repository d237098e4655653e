#pragma once

#include <QByteArray>

// Reads an open file to its end into bytes, holding at most maxBytes + 1 of them: the size
// known beforehand is only a hint, as the file may change while it is read, and one byte past
// the limit shows a file that has grown past it. Returns 0, or the errno of the read that
// failed; bytes then holds what came before.
int ReadBounded(int fd, qint64 sizeHint, qint64 maxBytes, QByteArray& bytes);
