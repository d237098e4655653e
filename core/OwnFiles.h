#pragma once

#include <QByteArray>
#include <QString>

// The files and folders the program keeps for itself (its cache, its state, its settings) are
// input like any other: anyone who can write there may leave a link, a FIFO or a device in
// place of what we wrote. Everything here looks at what a name is before using it, never
// follows a link at the name itself, and never waits on a file that has no end.
namespace OwnFiles {

// What a name is, the link itself rather than what it leads to.
enum class Kind { Missing, File, Folder, Link, Other };
Kind KindOf(const QString& path);

struct ReadResult {
    QByteArray bytes;
    QString fault;         // empty when bytes is the whole file
    bool missing = false;  // nothing by that name: usually no fault at all
    bool ok() const { return fault.isEmpty() && !missing; }
};

// A regular file of at most maxBytes, opened without following a link (unless asked to) and
// without waiting for a writer. A link, a FIFO, a device or a larger file is a fault and stays
// unread.
enum class Links { Refuse, Follow };
ReadResult Read(const QString& path, qint64 maxBytes, Links links = Links::Refuse);

// Removes what path names: a link or a file itself, a real folder of this user with
// everything in it. Links inside are removed, never followed; a folder of someone else is
// left. True when nothing is left by that name.
bool Remove(const QString& path);

// Makes a folder with its missing parents. Only the folder made here gets mode (-1: what the
// umask allows), parents what the umask allows; one that was there keeps its own. True when
// path is then a real folder, not a link to one.
bool MakeFolder(const QString& path, int mode = 0700);

// Replaces path's content through a new file beside it, renamed into place: a link by that
// name is replaced, not written through. An error text, or empty.
QString Replace(const QString& path, const QByteArray& bytes);

// A line on standard error about a file the program did not take, the file's name escaped.
void Note(const QString& path, const QString& what);

} // namespace OwnFiles
