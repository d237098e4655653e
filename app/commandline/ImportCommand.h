#pragma once

#include <QString>

#include <cstdio>

// quorvane --import FILE NEW.qvn: the description an HTML file holds, written as a new
// description file (".qvn" appended when NEW lacks it). Never replaces a file: when NEW
// exists it says so on err and returns 2. Each problem is one line on err; so is what the
// import dropped. Returns 0 when the file was written, 1 when FILE could not be read as a
// description or NEW could not be written.
int RunImportCommand(const QString& htmlPath, const QString& newPath, std::FILE* err);
