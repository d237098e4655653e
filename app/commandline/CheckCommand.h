#pragma once

#include <QString>

#include <cstdio>

// quorvane --check FILE: each fragment's length against the store's limit, every tag
// finding, every control character and every finding of the content rules the settings
// leave on, one a line, on out; and what stands above the fold of the kind of page the settings
// choose, when something stands below it. The file's own problems go to
// err, one line each naming the file. Returns 0 when both fragments fit and nothing was found, 1 when
// something was, 2 when the file cannot be read as a description.
int RunCheckCommand(const QString& path, std::FILE* out, std::FILE* err);
