#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Where the help book is and how its pages are addressed.
namespace HelpFile {

inline constexpr char FileName[] = "qvn.qch";
inline constexpr char MainTopic[] = "Working on your book description.htm";

// Beside the program first, then in the installed data folder next to the program's folder.
QStringList Candidates(const QString& programFolder);

// The first candidate that exists, or nothing.
QString Find(const QStringList& candidates);

// The address of a page of the help book.
QUrl TopicUrl(const QString& topic);

} // namespace HelpFile
