#pragma once

#include <QString>

// The path with every component under the name it has on disk. A relative path is taken
// from the current directory and comes back absolute. A component is looked up by its
// exact name first; failing that, by a name that differs only in letter case, when
// exactly one entry of its folder matches. A component that cannot be found (or is
// ambiguous) keeps the name as given, and so do all after it.
QString ExpandToLongPath(const QString& path);
