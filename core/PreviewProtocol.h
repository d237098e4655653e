#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// How the editor and its preview helper talk. The editor starts the helper with the
// arguments below and writes the whole page, UTF-8, on its standard input, then closes
// it. The helper answers on its standard output, one line at a time.
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

QStringList HelperArguments(const OwnerWindow& owner);
// Reads what HelperArguments wrote; anything it does not know is ignored.
OwnerWindow ParseHelperArguments(const QStringList& arguments);

// Written as soon as the window is on screen, before its page may have loaded: from
// then on the user can close it, and a clean exit is an ordinary close.
QByteArray ShownLine();
// Written once the page has loaded and the window is on screen.
QByteArray ReadyLine();
// Written every HeartbeatIntervalMs while the helper's window is open.
QByteArray AliveLine();
inline constexpr int HeartbeatIntervalMs = 1000;

} // namespace PreviewProtocol
