#pragma once

#include <QByteArray>
#include <QString>

// The page with a title in its head, which is how a screen reader names the page; a page
// that has a title of its own, or no head, is left as it is. Nothing on screen changes.
QByteArray PageWithTitle(const QByteArray& utf8Page, const QString& title);
