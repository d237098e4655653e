#pragma once

#include "Description.h"

#include <QString>

#include <cstdio>
#include <optional>

// Reads a description named on the command line without opening it in the editor. Each
// problem is one line on err naming the file and the reason ("quorvane: book.qvn: File not
// found"). A file that ends early still gives its description, with a warning line.
std::optional<Description> ReadCommandLineDescription(const QString& path, std::FILE* err);
