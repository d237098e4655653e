#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// How the editor and its preview helper talk. The editor starts the helper with
// HelperArguments(); the helper answers HelloLine() at once, starts its engine, prepares
// a hidden window and says WarmLine(). On the helper's standard input the editor then
// writes NearLine() / AwayLine() as the pointer and focus come and go, and finally
// PageMessage() (owner and page, UTF-8) and closes it. A helper that sees the end of its
// input before a page, or stays away too long, ends by itself. The helper answers on its
// standard output, one line at a time.
namespace PreviewProtocol {

// File name of the helper, in the editor's own folder.
QString HelperFileName();

// The window the preview belongs to: its native id (X11 window id; 0 when the
// platform has none) and its client area on the screen (empty when unknown).
struct OwnerWindow {
    quintptr windowId = 0;
    QRect geometry;

    bool operator==(const OwnerWindow&) const = default;
};

// Raised whenever either side changes what it writes or expects.
inline constexpr int Version = 2;
// Exit code of a helper that refused an editor of another version.
inline constexpr int RefusedExitCode = 4;

// How long a warm helper waits for its page once the editor has said AwayLine().
inline constexpr int DefaultIdleMs = 5000;
QStringList HelperArguments(int idleMs = DefaultIdleMs);
// The version the editor asked for (0 when none), and the idle time (default when none).
int ParseVersion(const QStringList& arguments);
int ParseIdleMs(const QStringList& arguments);
// What a helper of this build says to an editor of another version, and what an editor
// says to a helper of another version.
QString HelperRefusal(int editorVersion);
QString EditorRefusal(const QByteArray& helloLine);

QStringList OwnerArguments(const OwnerWindow& owner);
// Reads what OwnerArguments wrote; anything it does not know is ignored.
OwnerWindow ParseOwnerArguments(const QStringList& arguments);

// The helper's first line: its name and its version.
QByteArray HelloLine();
// The engine runs and the hidden window is ready for a page.
QByteArray WarmLine();
// Editor to helper: the pointer or the focus is on a preview button, or has left both.
QByteArray NearLine();
QByteArray AwayLine();
// Editor to helper: "page <bytes> <owner arguments> <more arguments>" and the page's bytes. The
// more arguments (no blanks in them) are for what the page shows beside itself, such as the fold;
// a helper that knows none of them shows the page as it is.
QByteArray PageMessage(const QByteArray& utf8Page, const OwnerWindow& owner, const QStringList& more = {});

// Written as soon as the window is on screen, before its page may have loaded: from
// then on the user can close it, and a clean exit is an ordinary close.
QByteArray ShownLine();
// Written once the page has loaded and the window is on screen.
QByteArray ReadyLine();
// Written every HeartbeatIntervalMs while the helper's window is open.
QByteArray AliveLine();
inline constexpr int HeartbeatIntervalMs = 1000;

} // namespace PreviewProtocol
