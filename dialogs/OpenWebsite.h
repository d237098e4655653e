#pragma once

#include <QString>

#include <functional>

class QUrl;

// Opens a web address in the user's browser. An address that does not begin with "http"
// (in any case) gets "http://" in front. When the desktop cannot open it, says so in a
// message captioned like the main window.
void OpenWebsite(const QString& address);

// The address as it is handed to the browser.
QString WebsiteAddress(const QString& address);

// What opens a URL; true when it was opened. Tests install their own; an empty one
// restores the desktop's. Returns the one it replaces.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener SetUrlOpener(UrlOpener opener);
