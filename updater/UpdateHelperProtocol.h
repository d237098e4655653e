#pragma once

#include <QString>
#include <QUrl>

// How the editor and its update helper talk: the helper's file name, its two commands and
// their arguments. The helper exits 0 on success; otherwise it prints one line saying why.
//   quorvane-update version-text <url> <cache file> <public key, base64>
//   quorvane-update installer <installer url> <signature url> <folder> <public key, base64>
//                   <version> <serial>
// QUORVANE_UPDATE_WINDOW_MS in its environment shortens the 30 s of its low-speed rule.
namespace UpdateHelperProtocol {
inline QString HelperFileName() { return QStringLiteral("quorvane-update"); }
inline QString VersionTextCommand() { return QStringLiteral("version-text"); }
inline QString InstallerCommand() { return QStringLiteral("installer"); }
// A version line with its notes; anything larger is not one, whether fetched or read from the cache.
constexpr qint64 MaxVersionTextSize = 64 * 1024;
// Exit codes besides 0.
constexpr int Failed = 1;
constexpr int BadArguments = 2;

// Where a text's detached signature is: its address with ".sig" appended.
inline QUrl SignatureAddress(QUrl url)
{
    url.setPath(url.path() + QStringLiteral(".sig"));
    return url;
}
} // namespace UpdateHelperProtocol
