#pragma once

#include <QString>
#include <QStringList>

// Whether the system's data folders already register the description file type for this
// very program, as an installed package does: its desktop entry (the one that wins among
// the folders) starts this program and names the type, and the type's MIME package is
// there. A per-user registration would then only shadow the system's.
bool SystemRegistrationCovers(const QString& programPath, const QStringList& dataDirs);

// Whether the desktop entry at entryPath is one of ours, left behind by a copy of the program
// elsewhere: a regular file that opens the description file type with a program other than
// programPath (or with one that is gone).
bool EntryOpensTypeWithOtherProgram(const QString& entryPath, const QString& programPath);

// The system's data folders: XDG_DATA_DIRS, or its standard value when that is unset.
QStringList SystemDataDirs();
