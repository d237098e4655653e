#pragma once

#include <QString>

// How the editor and its update helper talk: the helper's file name, its two commands and
// their arguments. The helper exits 0 on success; otherwise it prints one line saying why.
//   quorvane-update version-text <url> <cache file>
//   quorvane-update installer <installer url> <signature url> <folder> <public key, base64>
namespace UpdateHelperProtocol {
inline QString HelperFileName() { return QStringLiteral("quorvane-update"); }
inline QString VersionTextCommand() { return QStringLiteral("version-text"); }
inline QString InstallerCommand() { return QStringLiteral("installer"); }
// Exit codes besides 0.
constexpr int Failed = 1;
constexpr int BadArguments = 2;
} // namespace UpdateHelperProtocol
