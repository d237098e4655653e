#pragma once

#include <QString>

// The copy buttons: clears the clipboard, puts the fragment there as plain text exactly
// as given, and tells the user.
void CopyToClipboard(const QString& fragment);
