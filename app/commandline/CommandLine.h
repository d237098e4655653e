#pragma once

#include <QString>
#include <QStringList>

// The command line as one text: the arguments after the program's name, joined by
// single blanks (the shell has already split them; a registered open command passes
// a path with blanks as several arguments).
QString CommandLineText(const QStringList& arguments);

// The description file named by the command-line text: a text that begins with a double
// quote loses its first and last character (nothing trimmed); any other is trimmed of
// blanks. The path then comes with its names as stored on disk. Empty when there is none.
QString CommandLineFileFromText(const QString& text);
