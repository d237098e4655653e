#pragma once

#include <QString>

// The program's identity: title and version numbers.
namespace AppInfo {
inline constexpr int VersionMajor = 1;
inline constexpr int VersionMinor = 4;
inline constexpr int VersionRevision = 18;

inline QString Title() { return QStringLiteral("Quorvane"); }

// "1.4.18": plain decimal, no padding.
inline QString VersionNumbers()
{
    return QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}
} // namespace AppInfo
