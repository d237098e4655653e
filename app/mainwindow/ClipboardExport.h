#pragma once

#include <QString>
#include <QStringList>

// The copy buttons: clears the clipboard, puts the fragment there as plain text exactly
// as given, and tells the user. What the listing check found in the fragment follows the
// message after a blank line; the clipboard text is never touched by it.
void CopyToClipboard(const QString& fragment, const QStringList& findings = {});

// The copy message, with the findings (at most a screenful) when there are any.
QString CopyMessage(const QStringList& findings);
